#pragma once
// A file dialog service for tests: hands out prepared answers and records the questions.
#include <deque>
#include <vector>

#include "app/ui/dateidialoge.h"

namespace quintaro {

class DateidialogAttrappe final : public Dateidialogdienst {
public:
    DateidialogAttrappe() { SetzeDateidialogdienst(this); }
    ~DateidialogAttrappe() override { SetzeDateidialogdienst(nullptr); }

    QStringList oeffnen(QWidget*, Dateifrage& frage) override {
        fragen.push_back(frage);
        if (antworten.empty()) return {};
        const QStringList a = antworten.front();
        antworten.pop_front();
        if (!a.isEmpty()) frage.filterIndex = gewaehlterFilter;
        return a;
    }
    QString speichern(QWidget*, Dateifrage& frage) override {
        const QStringList a = oeffnen(nullptr, frage);
        return a.isEmpty() ? QString() : a.first();
    }

    std::deque<QStringList> antworten;  // one per dialog; an empty list cancels
    int gewaehlterFilter = 3;
    std::vector<Dateifrage> fragen;
};

}  // namespace quintaro

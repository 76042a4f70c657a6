#pragma once
// A message service for tests: records every message and answers questions
// from a queue (Yes when the queue is empty).
#include <QString>
#include <deque>
#include <vector>

#include "app/ui/nachrichten.h"

namespace quintaro {

class NachrichtenAttrappe final : public Nachrichtendienst {
public:
    enum class Art { Information, Fehler, Frage };
    struct Meldung {
        Art art;
        QString text;
    };

    NachrichtenAttrappe() { SetzeNachrichtendienst(this); }
    ~NachrichtenAttrappe() override { SetzeNachrichtendienst(nullptr); }

    void information(QWidget*, const QString& text) override { meldungen.push_back({Art::Information, text}); }
    void fehler(QWidget*, const QString& text) override { meldungen.push_back({Art::Fehler, text}); }
    Antwort frage(QWidget*, const QString& text, bool) override {
        meldungen.push_back({Art::Frage, text});
        if (antworten.empty()) return Antwort::Ja;
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }

    std::vector<Meldung> meldungen;
    std::deque<Antwort> antworten;
};

}  // namespace quintaro

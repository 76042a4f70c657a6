#include "app/ui/nachrichten.h"
#include "app/ui/texte.h"

#include <QMessageBox>

#include "core/spielregeln.h"

namespace quintaro {

namespace {
class Meldungsfenster final : public Nachrichtendienst {
public:
    void information(QWidget* eltern, const QString& text) override {
        QMessageBox::information(eltern, FensterTitel(), text);
    }
    void fehler(QWidget* eltern, const QString& text) override { QMessageBox::critical(eltern, FensterTitel(), text); }
    Antwort frage(QWidget* eltern, const QString& text, bool mitAbbrechen) override {
        auto knoepfe = QMessageBox::Yes | QMessageBox::No;
        if (mitAbbrechen) knoepfe |= QMessageBox::Cancel;
        switch (QMessageBox::question(eltern, FensterTitel(), text, knoepfe)) {
            case QMessageBox::Yes: return Antwort::Ja;
            case QMessageBox::No: return Antwort::Nein;
            default: return mitAbbrechen ? Antwort::Abbrechen : Antwort::Nein;
        }
    }
};

Meldungsfenster& Standard() {
    static Meldungsfenster dienst;
    return dienst;
}

Nachrichtendienst*& Eingesetzt() {
    static Nachrichtendienst* dienst = nullptr;
    return dienst;
}
}  // namespace

Nachrichtendienst& Nachrichten() { return Eingesetzt() ? *Eingesetzt() : Standard(); }
void SetzeNachrichtendienst(Nachrichtendienst* dienst) { Eingesetzt() = dienst; }

QString AlsMeldung(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

}  // namespace quintaro

#pragma once
// Every message the user sees goes through this service: information, error
// and question. Tests install a stand-in that records the texts and answers.
#include <QString>

class QWidget;

namespace quintaro {

class Nachrichtendienst {
public:
    enum class Antwort { Ja, Nein, Abbrechen };
    virtual ~Nachrichtendienst() = default;
    virtual void information(QWidget* eltern, const QString& text) = 0;
    virtual void fehler(QWidget* eltern, const QString& text) = 0;
    // Yes/No, or Yes/No/Cancel when mitAbbrechen.
    virtual Antwort frage(QWidget* eltern, const QString& text, bool mitAbbrechen = false) = 0;
};

// The service in use: message boxes unless a stand-in was installed.
Nachrichtendienst& Nachrichten();
// Installs a stand-in (nullptr restores the message boxes). Not owned.
void SetzeNachrichtendienst(Nachrichtendienst* dienst);

// Engine texts separate sentences with two carriage returns; a message box wants line feeds.
QString AlsMeldung(const std::string& text);

}  // namespace quintaro

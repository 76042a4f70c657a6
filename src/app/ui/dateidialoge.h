#pragma once
// The open and save dialogs behind one small service, so that tests can
// choose files without a screen (they install a stand-in, as with messages).
#include <QString>
#include <QStringList>

class QWidget;

namespace quintaro {

struct Dateifrage {
    QString titel;
    QString ordner;
    QStringList filter;   // "Normal-Schein (*.nqtr)", ...
    int filterIndex = 1;  // 1-based; the dialog writes back the filter the user ended with
    QString endung;       // default extension without the dot
    bool mehrere = false; // open: several files may be chosen
};

class Dateidialogdienst {
public:
    virtual ~Dateidialogdienst() = default;
    // The chosen files in the dialog's order; empty when cancelled. Only existing files.
    virtual QStringList oeffnen(QWidget* eltern, Dateifrage& frage) = 0;
    // The chosen file name; empty when cancelled.
    virtual QString speichern(QWidget* eltern, Dateifrage& frage) = 0;
};

Dateidialogdienst& Dateidialoge();
// Installs a stand-in (nullptr restores the real dialogs). Not owned.
void SetzeDateidialogdienst(Dateidialogdienst* dienst);

}  // namespace quintaro

#include "app/ui/systemdienste.h"

#include <QApplication>
#include <QDesktopServices>
#include <QNetworkInformation>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "app/ui/nachrichten.h"

namespace quintaro {

namespace {
QStringList& Suchpfad() {
    static QStringList pfad;  // empty: the system's PATH
    return pfad;
}

QString Programm(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name), Suchpfad()); }

std::optional<bool>& Vorgabe() {
    static std::optional<bool> vorgabe;
    return vorgabe;
}
}  // namespace

bool InternetVerbunden() {
    if (Vorgabe()) return *Vorgabe();
    // The backend is loaded once; without one the system cannot tell.
    static const bool geladen =
        QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
    const QNetworkInformation* info = QNetworkInformation::instance();
    if (!geladen || !info) return true;
    return info->reachability() != QNetworkInformation::Reachability::Disconnected;
}

void InternetVerbundenVorgeben(std::optional<bool> verbunden) { Vorgabe() = verbunden; }

bool AdresseOeffnen(const QString& adresse) { return QDesktopServices::openUrl(QUrl(adresse)); }

bool WebseiteOeffnen(const QString& adresse) {
    const bool gestartet = AdresseOeffnen(adresse);
    if (!gestartet)
        Nachrichten().information(QApplication::activeWindow(),
                                  "Es konnte kein Internet-Browser gestartet werden, um die Seite " + adresse +
                                      " zu öffnen.\n\nBitte öffnen Sie die Seite selbst in Ihrem Browser.");
    return gestartet;
}

bool TaschenrechnerStarten() {
    for (const char* name : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"}) {
        const QString pfad = Programm(name);
        if (!pfad.isEmpty() && QProcess::startDetached(pfad, {})) return true;
    }
    Nachrichten().information(QApplication::activeWindow(),
                              "Es konnte kein Taschenrechner gestartet werden.\n\nAuf diesem Rechner ist keines der "
                              "bekannten Rechner-Programme (z. B. gnome-calculator, kcalc, galculator) installiert.");
    return false;
}

void SetzeProgrammsuchpfad(const QString& pfad) { Suchpfad() = pfad.isEmpty() ? QStringList() : QStringList{pfad}; }

}  // namespace quintaro

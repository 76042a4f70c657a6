#include "app/ui/systemdienste.h"

#include <QDesktopServices>
#include <QNetworkInformation>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace quintaro {

namespace {
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

void WebseiteOeffnen(const QString& adresse) { QDesktopServices::openUrl(QUrl(adresse)); }

void TaschenrechnerStarten() {
    for (const char* programm : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"}) {
        const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(programm));
        if (!pfad.isEmpty() && QProcess::startDetached(pfad, {})) return;
    }
}

}  // namespace quintaro

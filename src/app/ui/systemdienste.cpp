#include "app/ui/systemdienste.h"

#include <QDesktopServices>
#include <QNetworkInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace quintaro {

bool InternetVerbunden() {
    for (const QNetworkInterface& n : QNetworkInterface::allInterfaces()) {
        const auto f = n.flags();
        if (f.testFlag(QNetworkInterface::IsUp) && f.testFlag(QNetworkInterface::IsRunning) &&
            !f.testFlag(QNetworkInterface::IsLoopBack) && !n.addressEntries().isEmpty())
            return true;
    }
    return false;
}

bool WebseiteOeffnen(const QString& adresse) { return QDesktopServices::openUrl(QUrl(adresse)); }

void TaschenrechnerStarten() {
    for (const char* programm : {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "mate-calc", "xcalc"}) {
        const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(programm));
        if (!pfad.isEmpty() && QProcess::startDetached(pfad, {})) return;
    }
}

}  // namespace quintaro

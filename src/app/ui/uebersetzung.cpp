#include "app/ui/uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quintaro {

bool QtUebersetzungLaden(QCoreApplication& anwendung) {
    auto* uebersetzer = new QTranslator(&anwendung);
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& ort : {ordner, QStringLiteral("/usr/share/qt6/translations")}) {
        if (uebersetzer->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                              QStringLiteral("_"), ort)) {
            QCoreApplication::installTranslator(uebersetzer);
            return true;
        }
    }
    delete uebersetzer;
    return false;
}

}  // namespace quintaro

#include "online/ui/herunterladen_wartend.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <memory>

#include "online/ui/herunterladen.h"

namespace quintaro {

Downloadergebnis HerunterladenUndWarten(const Downloadauftrag& auftrag) {
    std::unique_ptr<QCoreApplication> anwendung;
    static int argc = 1;
    static char name[] = "quintaro-cli";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) anwendung = std::make_unique<QCoreApplication>(argc, argv);

    Downloadergebnis ergebnis;
    bool fertig = false;
    QEventLoop schleife;
    {
        Herunterlader herunterlader;
        QObject::connect(&herunterlader, &Herunterlader::fertig, &schleife, [&](const Downloadergebnis& e) {
            ergebnis = e;
            fertig = true;
            schleife.quit();
        });
        herunterlader.starte(auftrag);
        if (!fertig) schleife.exec();
    }
    return ergebnis;
}

}  // namespace quintaro

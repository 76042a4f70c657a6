// Runs the window tests inside one QApplication on the offscreen platform,
// whose one screen has the size of a small laptop's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/ui/uebersetzung.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir ordner;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && ordner.isValid()) {
        QFile schirm(ordner.filePath("bildschirm.json"));
        if (schirm.open(QIODevice::WriteOnly)) {
            schirm.write(R"({"screens": [{"name": "Laptop", "x": 0, "y": 0, "width": 1366, "height": 768,
                             "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
            schirm.close();
            qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + schirm.fileName().toLocal8Bit());
        }
    }
    QApplication app(argc, argv);
    quintaro::QtUebersetzungLaden(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

// Runs the window tests inside one QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

#include "app/ui/uebersetzung.h"

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quintaro::QtUebersetzungLaden(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

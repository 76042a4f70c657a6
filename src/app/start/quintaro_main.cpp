// Program entry: start window first, then the main window and the windows that
// exist from the start; "Weiter" cross-fades to the main window.
#include <QApplication>
#include <QIcon>

#include "app/start/programmstart.h"
#include "app/start/tfstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/uebersetzung.h"
#include "evaluation/ui/tfauswertung.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Quintaro");
    // No display name: the desktop would append it to every caption.
    // The installed desktop entry and icon (packaging/) carry this name.
    QApplication::setDesktopFileName("de.quintaro.Quintaro");
    QApplication::setWindowIcon(QIcon::fromTheme("de.quintaro.Quintaro"));
    QApplication::setQuitOnLastWindowClosed(false);
    quintaro::QtUebersetzungLaden(app);

    auto* start = new quintaro::TFStart;
    start->show();
    start->repaint();
    QApplication::processEvents();

    quintaro::FensterRegistrieren();
    auto* haupt = quintaro::HauptfensterErzeugen();
    start->setzeHauptfenster(haupt);
    start->setzeInitialisiert(true);

    const int status = QApplication::exec();
    quintaro::Fensterverwaltung::Instanz().fensterLoeschen();
    delete haupt;
    return status;
}

#pragma once
// Qt's own texts in German (standard buttons, file dialogs, context menus),
// whatever the system locale is. Called once after the application object
// exists, by the program entry and by the window tests.
class QCoreApplication;

namespace quintaro {

// Installs Qt's German translations ("qtbase_de.qm"); false when no
// translation file was found (the standard texts then stay English).
bool QtUebersetzungLaden(QCoreApplication& anwendung);

}  // namespace quintaro

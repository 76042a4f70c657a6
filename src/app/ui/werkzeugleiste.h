#pragma once
// The toolbar every main-type window carries: the other windows, the pocket
// calculator, help and close. Its buttons all lead to the window table.
#include <optional>

#include "app/ui/fensterverwaltung.h"

class QMainWindow;
class QToolBar;

namespace quintaro {

// Adds the toolbar (without the button that would open the window itself) and
// F1 for the window's help context.
QToolBar* WerkzeugleisteAnbringen(QMainWindow* fenster, std::optional<Ziel> eigenesZiel, int hilfeKontext);

}  // namespace quintaro

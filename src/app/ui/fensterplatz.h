#pragma once
// Where windows open, and that they fit the screen.
//
// Every top-level window calls FensterEinpassen(this) once, at the end of its
// constructor (windows created through the window table, Fensterverwaltung,
// get it there; calling it twice does no harm). From then on, each time the
// window is shown it
//   - opens where it was when it was last hidden or closed in this run (windows
//     are remembered by their object name, so a window created anew on demand
//     finds its old place), otherwise centred on the main window ("FAuswertung"),
//     or centred on the screen when there is no visible main window;
//   - is made no larger than the screen's free area and moved so that it lies
//     fully on that screen.
// Windows whose content needs more room than a small screen offers put it into
// a scroll area with Rollbar() (or use splitters), so that their minimum size
// stays within KleinsterBildschirm.
#include <QSize>

class QComboBox;
class QScrollArea;
class QWidget;

namespace quintaro {

// The smallest screen the windows are laid out for (a 1366 × 768 laptop less
// the task bar and the window's title bar).
inline constexpr QSize KleinsterBildschirm{1366, 768 - 40 - 30};

void FensterEinpassen(QWidget* fenster);
// Forgets the remembered places, as at a new start (for tests).
void FensterorteVergessen();

// A frameless scroll area around `inhalt` that lets the content take the room it
// wants and scrolls where the window is smaller.
QScrollArea* Rollbar(QWidget* inhalt);

// A drop-down list that opens as tall as the screen allows, not with a few entries.
void ListeBildschirmhoch(QComboBox* auswahl);

// A drop-down list of one date per draw: as wide as a date, so that measuring
// its thousands of entries never delays a window's first showing.
void DatumsbreiteListe(QComboBox* auswahl);

}  // namespace quintaro

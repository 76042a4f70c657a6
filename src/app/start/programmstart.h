#pragma once
// Start-up: registers the program's windows and creates the main window and
// the windows that exist from the start.
namespace quintaro {

class TFAuswertung;

void FensterRegistrieren();
TFAuswertung* HauptfensterErzeugen();

}  // namespace quintaro

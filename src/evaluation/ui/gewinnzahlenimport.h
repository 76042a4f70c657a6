#pragma once
// "Gewinnzahlen importieren...": draws from a CSV file or a workbook take their place in the
// stored history, extending it or replacing it, after the user's confirmation.
class QWidget;

namespace quintaro {

// True when "GZ.645" was rewritten; the caller reloads the history then.
bool GewinnzahlenImportieren(QWidget* eltern);

}  // namespace quintaro

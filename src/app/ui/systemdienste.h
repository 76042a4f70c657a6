#pragma once
// What the program asks of the desktop: an internet connection, a web page in
// the browser, the pocket calculator.
#include <QString>
#include <optional>

namespace quintaro {

// Whether the system reports a way to the internet; nothing is sent. Where the
// system cannot tell, a connection is assumed and the request itself reports
// the failure.
bool InternetVerbunden();
// Tests fix the answer (nullopt asks the system again).
void InternetVerbundenVorgeben(std::optional<bool> verbunden);
// Opens a web page or a mail address with the desktop's program for it; false
// when none could be started (nothing is reported).
bool AdresseOeffnen(const QString& adresse);
// Opens the page in the browser; when no browser could be started, the user is
// told so (a message of the message service) and false is returned.
bool WebseiteOeffnen(const QString& adresse);
// Starts the desktop's calculator; when none could be started, the user is told so.
bool TaschenrechnerStarten();

// Where the desktop programs are looked for (tests point it to an empty folder).
void SetzeProgrammsuchpfad(const QString& pfad);

inline const QString ErgebnisseAdresse = QStringLiteral("https://www.win2day.at/lotterie/lotto/lotto-ziehungen");
inline const QString HerstellerAdresse = QStringLiteral("https://www.quintaro.de/");

}  // namespace quintaro

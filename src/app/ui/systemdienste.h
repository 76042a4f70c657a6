#pragma once
// What the program asks of the desktop: an internet connection, a web page in
// the browser, the pocket calculator.
#include <QString>

namespace quintaro {

// Whether a network interface other than loopback is up; nothing is sent.
bool InternetVerbunden();
// Opens a web page or a mail address with the desktop's program for it; false
// when none could be started.
bool WebseiteOeffnen(const QString& adresse);
// Starts the desktop's calculator; a missing one is not reported.
void TaschenrechnerStarten();

inline const QString ErgebnisseAdresse = QStringLiteral("https://www.win2day.at/lotterie/lotto/lotto-ziehungen");
inline const QString HerstellerAdresse = QStringLiteral("https://www.quintaro.de/");

}  // namespace quintaro

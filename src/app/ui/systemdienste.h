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
void WebseiteOeffnen(const QString& adresse);
// Starts the desktop's calculator; a missing one is not reported.
void TaschenrechnerStarten();

inline const QString ErgebnisseAdresse = QStringLiteral("https://www.win2day.at/lotterie/lotto/lotto-ziehungen");
inline const QString HerstellerAdresse = QStringLiteral("https://www.quintaro.de/");

}  // namespace quintaro

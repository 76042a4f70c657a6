#include "online/ziehungsstand.h"

#include <cmath>
#include <ctime>

#include "core/formatierung.h"

namespace quintaro {

TDatum Jetzt() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    const double sekunden = lokal.tm_hour * 3600.0 + lokal.tm_min * 60.0 + lokal.tm_sec;
    return DatumAus(lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday) + sekunden / 86400.0;
}

TDatum ErwarteteZiehung(TDatum jetzt, int wochentag) {
    const TDatum heute = std::floor(jetzt);
    // Whole seconds, so that 20:00:00 sharp is not later than 20:00 by a rounding error.
    const double sekunden = std::round((jetzt - heute) * 86400.0);
    TDatum tag = sekunden > 20 * 3600 ? heute : heute - 1;
    while (Wochentag(tag) != wochentag) tag -= 1;
    return tag;
}

Ziehungsstand StandErmitteln(const Datenbestand& daten, TDatum jetzt) {
    Ziehungsstand s;
    if (!daten.GZListeSo.empty()) s.standSo = DatumText(daten.GZListeSo.back().datum);
    if (!daten.GZListeMi.empty()) s.standMi = DatumText(daten.GZListeMi.back().datum);
    s.aktuellSo = DatumText(ErwarteteZiehung(jetzt, 1));
    s.aktuellMi = DatumText(ErwarteteZiehung(jetzt, 4));
    s.downloadSinnvoll = s.aktuellSo != s.standSo || s.aktuellMi != s.standMi;
    return s;
}

}  // namespace quintaro

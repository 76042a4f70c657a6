#pragma once
// How up to date the stored draws are: the last stored Sunday and Wednesday
// draw beside the draw dates that should be known by now. A draw counts from
// 20:00 on its day.
#include <string>

#include "core/datenbestand.h"
#include "core/datum.h"

namespace quintaro {

// The local date and time of day as a day count with fraction.
TDatum Jetzt();

// The latest date on weekday `wochentag` (1 = Sunday .. 7 = Saturday) up to
// today when it is later than 20:00, else up to yesterday.
TDatum ErwarteteZiehung(TDatum jetzt, int wochentag);

struct Ziehungsstand {
    std::string standSo, standMi;        // short dates of the last stored draws; empty without one
    std::string aktuellSo, aktuellMi;    // short dates of the expected draws
    bool downloadSinnvoll = false;       // either day is behind
};

Ziehungsstand StandErmitteln(const Datenbestand& daten, TDatum jetzt);

}  // namespace quintaro

#pragma once
// Dates are day counts since 1899-12-30 (day 0) held as double; the fraction is
// the time of day. Day of week: 1 = Sunday .. 7 = Saturday.
#include <cmath>

namespace quintaro {

using TDatum = double;

struct KalenderTag {
    int jahr = 0, monat = 0, tag = 0;
    friend bool operator==(const KalenderTag&, const KalenderTag&) = default;
};

TDatum DatumAus(int jahr, int monat, int tag);
// A date that is no day (NaN, infinite, beyond a million years) has the
// calendar day {0, 0, 0} and the weekday 0.
KalenderTag KalenderTagVon(TDatum d);
int Wochentag(TDatum d);
bool IstGueltigesDatum(int jahr, int monat, int tag);
TDatum Heute();

}  // namespace quintaro

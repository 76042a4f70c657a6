#pragma once
// One formatting layer for numbers, money, quota texts and dates, following the
// user's regional settings. The settings are captured once at start (the
// windows fill them from the system locale); the default is German.
#include <optional>
#include <string>
#include <string_view>

#include "core/datum.h"
#include "core/spielregeln.h"

namespace quintaro {

struct Regionaleinstellungen {
    enum class Datumsfolge { TagMonatJahr, MonatTagJahr, JahrMonatTag };
    std::string dezimalzeichen = ",";
    std::string tausenderzeichen = ".";
    Datumsfolge datumsfolge = Datumsfolge::TagMonatJahr;
    std::string datumstrenner = ".";
    // A currency amount is shown as vorWaehrung + digits + nachWaehrung.
    std::string vorWaehrung;
    std::string nachWaehrung = " €";
};

const Regionaleinstellungen& Region();
void SetzeRegion(const Regionaleinstellungen& region);

// 1234567 → "1.234.567"
std::string ZahlMitTausendern(long long wert);
// Per-row amount: "1.234,56"
std::string BetragText(Currency betrag);
// Total in the currency format: "1.234,56 €"
std::string WaehrungText(Currency betrag);
// Quota text: two decimals, thousands separators, at most 10 significant digits.
std::string QuotenText(Currency quote);
// Reads a quota text: every thousands separator removed, then an amount with the
// regional decimal separator, rounded to 1/10000. Throws KonvertierungsFehler.
Currency QuoteLesen(std::string_view text);

// A decimal number with the regional decimal separator and no thousands
// separators ("-1234,5", "2,5E3"); surrounding blanks are allowed.
std::optional<double> ZahlLesen(std::string_view text);
// A number with exactly `stellen` decimals and the regional decimal separator,
// without thousands separators ("12,50").
std::string DezimalText(double wert, int stellen);

// Whether a day count lies within the years 1..9999 (dates outside show as "?").
bool IstDarstellbar(TDatum d);
// Short date, always with four year digits: "05.09.2010".
std::string DatumText(TDatum d);
// Parses a short date of the regional format. Two-digit years are taken as the
// nearest year not after the current century's next 20 years (87 → 1987).
std::optional<TDatum> DatumLesen(std::string_view text);
// A short date as DatumLesen, optionally followed by a blank and the time of
// day "hh:mm" or "hh:mm:ss".
std::optional<TDatum> DatumZeitLesen(std::string_view text);
// "2010-09-05" and back.
std::string DatumISO(TDatum d);
std::optional<TDatum> DatumAusISO(std::string_view text);

}  // namespace quintaro

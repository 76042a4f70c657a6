#pragma once
// Numbers and dates as the German regional settings write them:
// decimal comma, day.month.year and an optional time of day.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/datum.h"

namespace quintaro {

// A decimal number with a decimal comma ("-1234,5", "2,5E3"); surrounding
// blanks are allowed, thousands points are not (callers remove them first).
std::optional<double> ZahlAusText(std::string_view text);

// "d.m.yyyy" optionally followed by "hh:mm" or "hh:mm:ss"; the year has one to
// four digits and is taken as written.
std::optional<TDatum> DatumZeitAusText(std::string_view text);

// A whole number with points between the thousands ("8.145.060").
std::string TausenderText(std::int64_t zahl);
// A number with a decimal comma and exactly `stellen` decimals ("12,50").
std::string DezimalText(double zahl, int stellen);

}  // namespace quintaro

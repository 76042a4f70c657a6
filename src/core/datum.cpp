#include "core/datum.h"

#include <ctime>
#include <optional>

namespace quintaro {

namespace {
// Days between 1970-01-01 and 1899-12-30.
constexpr long long kEpochVersatz = 25569;

long long TageSeit1970(int y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

// The whole day of a date, nothing for NaN, the infinities and counts beyond a
// million years: a damaged record may hold any bits, and their conversion to an
// integer would be undefined.
std::optional<long long> GanzerTag(TDatum d) {
    if (!(std::fabs(d) < 4e8)) return std::nullopt;
    return static_cast<long long>(std::floor(d));
}
}  // namespace

TDatum DatumAus(int jahr, int monat, int tag) {
    return static_cast<TDatum>(TageSeit1970(jahr, monat, tag) + kEpochVersatz);
}

KalenderTag KalenderTagVon(TDatum d) {
    const auto tag = GanzerTag(d);
    if (!tag) return {};
    long long z = *tag - kEpochVersatz + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned dd = doy - (153 * mp + 2) / 5 + 1;
    const unsigned mm = mp < 10 ? mp + 3 : mp - 9;
    return {int(y + (mm <= 2)), int(mm), int(dd)};
}

int Wochentag(TDatum d) {
    const auto tag = GanzerTag(d);
    if (!tag) return 0;
    long long r = (*tag + 6) % 7;
    if (r < 0) r += 7;
    return int(r) + 1;
}

bool IstGueltigesDatum(int jahr, int monat, int tag) {
    if (jahr < 1 || jahr > 9999 || monat < 1 || monat > 12 || tag < 1) return false;
    static constexpr int laenge[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schalt = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    return tag <= laenge[monat - 1] + (monat == 2 && schalt ? 1 : 0);
}

TDatum Heute() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm lokal{};
    localtime_r(&jetzt, &lokal);
    return DatumAus(lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday);
}

}  // namespace quintaro

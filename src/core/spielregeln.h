#pragma once
// The rules of "6 aus 45": number range, prize classes with labels and fixed
// quotas, the draw-day classes and the next draw date.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/datum.h"
#include "core/zahlenmenge.h"

namespace quintaro {

// Money: signed 64-bit count of 1/10000 euro.
using Currency = std::int64_t;
constexpr Currency kCurrencyEinheit = 10000;
// No prize of this lottery comes near a billion euro; a larger quota is damage.
constexpr Currency HoechsteQuote = Currency(1'000'000'000) * kCurrencyEinheit;
// a + b, held at the limits of the type instead of wrapping round.
constexpr Currency BetragSumme(Currency a, Currency b) {
    Currency summe = 0;
    if (!__builtin_add_overflow(a, b, &summe)) return summe;
    return b > 0 ? INT64_MAX : INT64_MIN;
}

constexpr int MaxZahl = 45;
constexpr int ZahlenProReihe = 6;
constexpr int MaxBankzahlen = 5;

constexpr TDatum NeueKlassenAb = 40429;  // 2010-09-08
constexpr TDatum RealquotenAb = 43466;   // 2019-01-01

constexpr std::string_view Produktname = "Quintaro";
constexpr std::string_view Version = "1.3.1.0";
// Two carriage returns between the two sentences of a message.
constexpr std::string_view Absatz = "\r\r";

extern const std::array<std::string_view, 9> KlassenText;     // [1..8], [0] "---"
extern const std::array<std::string_view, 9> KlassenTitel;    // [1..8]
extern const std::array<std::string_view, 6> KlassenTextAlt;  // [1..5], [0] "---"
extern const std::array<Currency, 9> StandardQuoten;          // [1..8]
extern const std::array<Currency, 6> AltQuoten;               // [1..5]
extern const std::array<std::string_view, 8> WochentagName;   // [1..7]

// Prize class 0..8 (0 = no prize) of a row against a draw.
int GewinnKlasse(const TZahlenMenge& reihe, const TZahlenMenge& gewinnzahlen, int zusatzzahl, TDatum datum);
// The label of a class for a draw on that date: new or old scheme.
std::string_view KlassenLabel(int klasse, TDatum datum);

bool IstSonntagsZiehung(TDatum d);
bool IstMittwochsZiehung(TDatum d);
// The draw date after the newest stored one; `heute` is used when there is none.
TDatum NaechsteZiehung(TDatum neueste);
TDatum LetzteZiehungVor(TDatum heute);
// " (So)", " (Mi)" or "".
std::string_view WochentagKurz(TDatum d);

}  // namespace quintaro

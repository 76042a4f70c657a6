#pragma once
// n over k, the k-subsets of 1..n in lexicographic order (stored or streamed),
// and a set as an ascending list.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/zahlenmenge.h"

namespace quintaro {

// n over k, exact wherever the result fits in 64 bits (every n up to 66 and
// beyond); nullopt when it does not. 0 when k > n or k < 0, 1 when k = 0.
std::optional<std::int64_t> BinomialPruefen(int n, int k);

// n over k for callers whose results are known to fit; a result that does not
// fit gives the largest 64-bit value instead of a wrapped number.
std::int64_t Binomial(int n, int k);

// All k-subsets of 1..n, lexicographic by (a1, a2, ...): {1..k} first.
std::vector<TZahlenMenge> KombinationenBilden(int n, int k);

// Visits the k-subsets of 1..n in the same order without storing them. The
// visitor gets the members ascending (k values) and returns false to stop.
// Returns false when stopped early.
template <typename Besucher>
bool FuerAlleKombinationen(int n, int k, Besucher&& besuche) {
    if (k < 0 || k > n) return true;
    std::vector<int> a(static_cast<std::size_t>(k));
    for (int i = 0; i < k; ++i) a[std::size_t(i)] = i + 1;
    while (true) {
        if (!besuche(static_cast<const std::vector<int>&>(a))) return false;
        int i = k - 1;
        while (i >= 0 && a[std::size_t(i)] == n - k + i + 1) --i;
        if (i < 0) return true;
        ++a[std::size_t(i)];
        for (int j = i + 1; j < k; ++j) a[std::size_t(j)] = a[std::size_t(j - 1)] + 1;
    }
}

// The first m members of the set among 1..grenze, ascending; unused places 0.
std::vector<std::uint8_t> MengeZuFeld(const TZahlenMenge& menge, int m, int grenze);

// The members of the set among 1..hoechste, ascending, joined by the separator.
std::string MengeAlsText(const TZahlenMenge& menge, int hoechste = 45, std::string_view trenner = ",");

}  // namespace quintaro

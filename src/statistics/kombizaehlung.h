#pragma once
// How often each 2-, 3- or 4-number combination occurs in a run of draws, and
// the frequent and rare rankings built from those counts.
//
// The combinations of one size are numbered in lexicographic order ({1,2} is
// 0, {1,3} is 1, ..., {44,45} is 989). A combination's number follows from its
// members directly (combinatorial number system), so counting walks the draws:
// a draw holds 15 pairs, 20 triples and 15 quadruples, and each costs a few
// additions instead of a test against every combination.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "core/zahlenmenge.h"

namespace quintaro {

// Number sets as bits: bit n stands for number n (1..45), as in the first word
// of a TZahlenMenge.
using TZahlenBits = std::uint64_t;

// Number of combinations of k numbers out of 45 (990, 14190, 148995 for 2, 3, 4).
int KombiAnzahl(int k);
// Lexicographic number of the combination with the ascending members zahlen
// (two to four numbers out of 1..45).
int KombiIndex(std::span<const int> zahlen);

// One row of a ranking; its rank is its position + 1 (equal counts still get
// different ranks).
struct TRangZeile {
    TZahlenMenge zahlen;
    std::uint32_t anz = 0;
    friend bool operator==(const TRangZeile&, const TRangZeile&) = default;
};

struct TRangliste {
    std::vector<TRangZeile> haeufig;  // from the highest count down
    std::vector<TRangZeile> selten;   // from the lowest count up
};

// A ranking takes whole count levels until it holds more than this many rows.
constexpr std::size_t RanglistenMindestzeilen = 100;

// Progress of a count: values run from 0 to 2 × KombiAnzahl(k), the first half
// while counting, the second while ranking. Returning false stops the count.
using TFortschritt = std::function<bool(int wert)>;

// Counts, for every combination of size k in lexicographic order, the draws
// (as bit sets) that contain it; nothing when stopped through the progress.
std::optional<std::vector<std::uint32_t>> KombisZaehlen(std::span<const TZahlenBits> ziehungen, int k,
                                         const TFortschritt& fortschritt = {});

// Both rankings of the counts of combinations of size k: levels of equal
// counts are taken whole, each in lexicographic order, until a list holds more
// than RanglistenMindestzeilen rows.
TRangliste RanglisteBilden(const std::vector<std::uint32_t>& anz, int k);

}  // namespace quintaro

#pragma once
// Simulated annealing for covering designs: b rows of k values out of 1..v,
// cost = number of t-subsets no row contains. A move takes an uncovered
// t-subset T, looks at every row that holds all but one member of T and makes
// the swap that covers T at the least cost (ties at random); worse moves are
// accepted with the Metropolis probability. Cost changes are computed from the
// t-subsets through the swapped values only.
//
// Rows may also stand for their whole orbit under a permutation group: then the
// search runs on the orbits of the t-subsets (a row covers the orbits of its
// t-subsets, cost = t-subsets in uncovered orbits), which shrinks it to
// coverings with that symmetry.
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "reihen.h"

namespace systemgen {

class Ueberdeckungssuche {
public:
    // `start`: b rows of k distinct values in 1..v. With a `gruppe` (all its elements, permutations of 0..v-1)
    // every row stands for its orbit, which must be full (|gruppe| rows).
    Ueberdeckungssuche(int v, int k, int t, const Reihen& start, std::uint64_t saat,
                       std::vector<std::vector<int>> gruppe = {});

    // Anneals for at most `schritte` moves or until nothing is left uncovered;
    // the best state seen becomes the current one.
    void Gluehen(std::int64_t schritte);
    // Tabu search: always makes the best swap that covers a random uncovered t-subset, except swaps that put
    // a value back into a row it recently left; stops and ends like Gluehen. With `gewichte` every t-subset
    // carries a weight and a swap is made only when it covers more weight than it uncovers; where no
    // swap that covers the chosen t-subset does, that subset weighs one more instead, so subsets that stay
    // open for long pull the search towards them (weights are halved now and then).
    void Tabusuche(std::int64_t schritte, bool gewichte = false);
    // Makes repeated rows distinct and brings unused values into the rows, each
    // by the swap that uncovers the fewest subsets (rows without orbit only).
    void Nachbessern();

    std::int64_t Unbedeckt() const { return offenGewicht_; }
    // All rows, orbits written out.
    Reihen Ergebnis() const;

private:
    using Block = std::array<std::uint8_t, 6>;
    using Maske = std::uint64_t;

    // Takes `bloecke` as the current rows and counts their coverage afresh.
    void Setze(const std::vector<Block>& bloecke);
    std::int64_t Rang(const std::uint8_t* werte, int anzahl) const;
    // Rank of the (t-1)-subset `teil` (ascending) together with value w.
    std::int64_t RangMit(const std::uint8_t* teil, int w) const;
    // Change of the weighted cost when value at place p of row b becomes y; `Unmoeglich` when the row
    // would no longer have a full orbit.
    static constexpr std::int64_t Unmoeglich = std::int64_t(1) << 50;
    std::int64_t Aenderung(int b, int p, int y);
    // The cell of the uncovered t-subset `rang` weighs one more (per t-subset); all weights are halved
    // towards their base when large.
    void Gewichten(std::int64_t rang);
    void Tausche(int b, int p, int y);
    // Counts the t-subset `rang` (its orbit when rows stand for orbits).
    void Zaehle(std::int64_t rang, int plus);
    bool VolleBahn(Maske m) const;
    Maske Bild(std::size_t g, Maske m) const;
    struct Zug {
        int zeile = -1, p = -1, y = -1;
        std::int64_t d = Unmoeglich;
    };
    // The best swap that covers the t-subset `rang` (ties at random); `erlaubt(zeile, y)` filters swaps.
    template <typename Erlaubt>
    Zug BesterZug(std::int64_t rang, Erlaubt&& erlaubt);
    // The (t-1)-subsets of the row's values other than place p.
    template <typename F>
    void FuerTeileOhne(int b, int p, F&& f) const;

    int v_, k_, t_;
    std::int64_t anzahlTeilmengen_;
    std::vector<std::array<std::int64_t, 8>> binom_;
    std::vector<std::vector<int>> teilpositionen_;  // (t-1)-subsets of positions 0..k-2
    std::vector<std::uint8_t> teilmengen_;          // members of every t-subset by rank
    std::vector<std::vector<int>> gruppe_, invers_;
    // Cells are what is counted: the t-subsets, or their orbits under the group.
    std::vector<std::int32_t> zelle_;        // cell of each t-subset
    std::vector<std::int64_t> zellGewicht_;  // t-subsets in the cell
    std::vector<std::int64_t> zellVertreter_;
    std::int64_t offenGewicht_ = 0;
    // Weights of the cells: their t-subsets unless the weighted tabu search raised them; the cost the
    // swaps are judged by is the weight of the uncovered cells.
    std::vector<std::int64_t> gewicht_;
    std::int64_t offenKosten_ = 0, zugewichtet_ = 0;
    bool bahnen_;
    std::vector<Block> bloecke_;
    std::vector<Maske> masken_;
    std::vector<int> zaehler_;
    std::vector<std::int64_t> offen_;
    std::vector<std::int64_t> stelle_;
    std::mt19937_64 zufall_;
};

}  // namespace systemgen

#pragma once
// Simulated annealing for covering designs: b rows of k values out of 1..v,
// cost = number of t-subsets no row contains. A move takes an uncovered
// t-subset T and a row that holds all but one member of T and swaps one of the
// row's other values for the missing member; the cost change is computed from
// the t-subsets through the swapped values only.
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "reihen.h"

namespace systemgen {

class Ueberdeckungssuche {
public:
    // `start`: b rows of k distinct values in 1..v.
    Ueberdeckungssuche(int v, int k, int t, const Reihen& start, std::uint64_t saat);

    // Anneals for at most `schritte` moves or until nothing is left uncovered;
    // the best state seen becomes the current one.
    void Gluehen(std::int64_t schritte);
    // Makes repeated rows distinct and brings unused values into the rows, each
    // by the swap that uncovers the fewest subsets.
    void Nachbessern();

    std::int64_t Unbedeckt() const { return std::int64_t(offen_.size()); }
    Reihen Ergebnis() const;

private:
    using Block = std::array<std::uint8_t, 6>;

    // Takes `bloecke` as the current rows and counts their coverage afresh.
    void Setze(const std::vector<Block>& bloecke);
    std::int64_t Rang(const std::uint8_t* werte, int anzahl) const;
    // Rank of the (t-1)-subset `teil` (ascending) together with value w.
    std::int64_t RangMit(const std::uint8_t* teil, int w) const;
    // Cost change when value at place p of row b becomes y.
    int Aenderung(int b, int p, int y) const;
    void Tausche(int b, int p, int y);
    void Zaehle(std::int64_t rang, int plus);
    // The (t-1)-subsets of the row's values other than place p.
    template <typename F>
    void FuerTeileOhne(int b, int p, F&& f) const;

    int v_, k_, t_;
    std::vector<std::array<std::int64_t, 8>> binom_;
    std::vector<std::vector<int>> teilpositionen_;  // (t-1)-subsets of positions 0..k-2
    std::vector<std::uint8_t> teilmengen_;          // members of every t-subset by rank
    std::vector<Block> bloecke_;
    std::vector<std::uint64_t> masken_;
    std::vector<int> zaehler_;
    std::vector<std::int64_t> offen_;
    std::vector<std::int64_t> stelle_;
    std::mt19937_64 zufall_;
};

}  // namespace systemgen

#pragma once
// Quadruples of 24 points covered by 6-sets that each lie in an octad of S(5,8,24). Every 4-set lies in
// five octads, and a 6-subset O \ P of octad O (P a pair) covers the 15 quadruples of O that miss P. The
// search keeps `zeilen` such blocks and anneals on the uncovered quadruples: a move takes an uncovered
// quadruple Q, the block O \ P with O through Q, P in O \ Q that covers most new quadruples, and drops
// in exchange the sampled block whose loss uncovers least; worse exchanges pass with the Metropolis rule.
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "reihen.h"

namespace systemgen {

class Oktadensuche {
public:
    Oktadensuche(int zeilen, std::uint64_t saat);
    // Anneals for at most `schritte` moves or until everything is covered; ends in the best state seen.
    void Gluehen(std::int64_t schritte);
    std::int64_t Unbedeckt() const { return std::int64_t(offen_.size()); }
    Reihen Ergebnis() const;  // values 1..24

private:
    struct Block {
        int oktade, paar;  // pair index 0..27 within the octad
    };
    // The ranks of the 15 quadruples of a block.
    void Quadrupel(const Block& b, int* raenge) const;
    void Zaehle(int rang, int plus);
    void Setze(const std::vector<Block>& bloecke);

    std::vector<std::array<int, 8>> oktaden_;
    std::vector<std::array<int, 5>> oktadenVon_;  // the five octads through each quadruple
    std::vector<std::array<int, 2>> paare_;       // positions of pair index 0..27
    std::vector<std::array<int, 4>> quadrupel_;   // members of each quadruple by rank
    std::int64_t binom_[25][5] = {};
    std::vector<Block> bloecke_;
    std::vector<int> zaehler_, stelle_;
    std::vector<int> offen_;
    std::mt19937_64 zufall_;
};

}  // namespace systemgen

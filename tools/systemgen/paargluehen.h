#pragma once
// Simulated annealing for pair coverings with a prescribed automorphism group on part of the rows.
// Z_m acts on c copies of Z_m (point copy*m + residue; an element adds to the residue) and fixes the
// f points after them. nb base rows stand with all their m images in the table; the remaining rows are
// free. The cost is the number of pairs of the whole table that no row holds; a move replaces one value
// of one row (of a base row: in all its images at once). Half the moves are aimed at an uncovered pair:
// a row image holding one of its values takes in the other at the place that costs least. A worse move
// is accepted with probability exp(-d / (T m)), T falling geometrically over each cycle.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "reihen.h"

namespace systemgen {

struct Gruppenform {
    int m = 1, c = 0, f = 0;  // v = m * c + f
    int basis = 0;            // base rows; the table has basis * m + free rows
    int faktor = 1;           // GA >= 3 only: with faktor > 1 also x -> faktor * x on every cycle
    std::string Name() const;
};

class Paargluehen {
public:
    // `zeilen` rows of k values out of 1..v (v = form.m * form.c + form.f), started at random. `feste` rows
    // (values 1..v) count towards the cover but are never changed; they come first in the result.
    Paargluehen(int v, int k, int zeilen, const Gruppenform& form, std::uint64_t saat, const Reihen& feste = {});

    // Anneals for at most `schritte` moves or until every pair is covered; ends in the best state seen.
    void Gluehen(std::int64_t schritte);
    std::int64_t Unbedeckt() const { return std::int64_t(offen_.size()); }
    // All rows, images of the base rows written out, each ascending.
    Reihen Ergebnis() const;

private:
    int Bild(int g, int x) const { return x < festAb_ ? x / m_ * m_ + (x % m_ + g) % m_ : x; }
    int Bilder(int zeile) const { return zeile < basis_ ? m_ : 1; }
    void Zaehle(int a, int b, int plus);
    // Replaces the value at place p of the row by y (in all images); returns the change of the cost.
    int Setze(int zeile, int p, int y);
    // The move that brings the pair (a kept, b taken in) into one image of a row, or false.
    bool GezielterZug(int a, int b, int& zeile, int& p, int& y);
    void Zurueck(const std::vector<std::vector<std::uint8_t>>& reihen);

    int v_, k_, m_, basis_, festAb_;
    std::vector<std::vector<std::uint8_t>> reihen_, feste_;
    std::vector<std::uint16_t> zaehler_;  // per pair a * v + b, a < b
    std::vector<int> offen_, stelle_;     // uncovered pairs, and each pair's place in that list
    std::mt19937_64 zufall_;
};

}  // namespace systemgen

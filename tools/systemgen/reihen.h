#pragma once
// Rows as the generator handles them: values 1..v, ascending within a row.
#include <cstdint>
#include <vector>

namespace systemgen {

using Reihe = std::vector<int>;
using Reihen = std::vector<Reihe>;

// Sorts each row ascending.
void Ordnen(Reihen& reihen);
// Adds distinct k-subsets of 1..v (lexicographically first ones not yet present) until there are `anzahl` rows.
void Auffuellen(Reihen& reihen, int v, int k, std::size_t anzahl);
// The rows with every value shifted by `versatz` (0-based constructions to 1-based rows and the like).
Reihen Verschoben(const Reihen& reihen, int versatz);

}  // namespace systemgen

#pragma once
// Exact cover by dancing links (Knuth's Algorithm X): choose rows so that every
// column is hit exactly once.
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace systemgen {

class ExakteUeberdeckung {
public:
    explicit ExakteUeberdeckung(int spalten);
    // A row hitting the given columns (distinct).
    void Zeile(const std::vector<int>& spalten);
    // Indices of the chosen rows, or nothing when no cover exists or `knotenGrenze` search nodes did not find one.
    // Rows are tried in an order shuffled by `saat`.
    std::optional<std::vector<int>> Loese(std::int64_t knotenGrenze, std::uint64_t saat);

private:
    struct Knoten {
        int links, rechts, oben, unten, spalte, zeile;
    };
    bool Suche();
    void Entferne(int spalte);
    void Fuegeein(int spalte);

    std::vector<Knoten> k_;
    std::vector<int> groesse_;
    std::vector<std::vector<int>> zeilen_;
    std::vector<int> gewaehlt_;
    std::int64_t knoten_ = 0, grenze_ = 0;
};

}  // namespace systemgen

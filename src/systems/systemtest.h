#pragma once
// The system test: for every set of k hits among the Wahlzahlen (k from the
// lower bound D up to RG) the best number of hits any row of the system reaches,
// counted per result. Independent of the chosen numbers: rows are sets of
// Wahlzahl positions 1..WZ, banker numbers are left out.
//
// The test runs on the calling thread and spreads its work over worker threads.
// A window runs it on a thread of its own, shows the progress reports and sets
// the stop flag to end it early.
#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "systems/katalog.h"

namespace quintaro {

// Lowest number of hits among the Wahlzahlen that a draw can have: with o
// numbers outside the pool, at least RG - o of the six drawn numbers are
// Wahlzahlen. D = RG - o when RG - 2 > o, else 2.
int UntereTrefferGrenze(const TSysteme& system);
// Sum of C(WZ, k) for k = D..RG; 0 when D > RG.
std::int64_t Kombinationsanzahl(const TSysteme& system);
// TR times the combination count: the comparisons of one k-set with one row.
std::int64_t Rechenoperationen(const TSysteme& system);

// H[k][m]: the k-sets whose best row has m hits.
using Trefferzaehler = std::array<std::array<std::int64_t, 7>, 7>;

struct Systemtestergebnis {
    int D = 2, RG = 0, WZ = 0;
    std::array<std::int64_t, 7> kombinationen{};       // [k] = C(WZ, k) for D <= k <= RG
    Trefferzaehler H{};
    bool abgebrochen = false;                          // stopped before the end; counts incomplete
};

// Progress: k-sets done so far and in all. Called on the calling thread.
using Systemtestfortschritt = std::function<void(std::int64_t erledigt, std::int64_t gesamt)>;

struct Systemtestoptionen {
    Systemtestfortschritt fortschritt;           // may be empty
    const std::atomic<bool>* stopp = nullptr;    // set to true to end the test early
    int threads = 0;                             // 0: one per processor core
};

// Tests the rows (bit v of a row = position v, 1 <= v <= WZ <= 63) for k = D..RG.
Systemtestergebnis Systemtest(const std::vector<std::uint64_t>& reihen, int WZ, int RG, int D,
                              const Systemtestoptionen& optionen = {});
// Tests catalogue entry `index` with its own rows and lower bound.
Systemtestergebnis Systemtest(int index, const Systemtestoptionen& optionen = {});

}  // namespace quintaro

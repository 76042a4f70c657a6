#pragma once
// Coverings made of whole orbits as an integer program for the COIN-OR solver `cbc` (Debian package
// coinor-cbc): one 0/1 variable per orbit of k-subsets, weighted by its length; every t-orbit met by a
// chosen orbit; and as cuts every s-subset (s < t) in at least L(v-s, k-s, t-s) blocks (Schoenheim). The
// cuts make the relaxation strong enough to prove that no invariant covering fits in cases where a
// depth-first search over the orbits never ends.
#include <cstdint>
#include <optional>
#include <string>

#include "gruppendesign.h"
#include "reihen.h"

namespace systemgen {

struct Programmergebnis {
    std::optional<Reihen> reihen;  // a covering by at most `zeilen` blocks (values 1..v)
    bool unmoeglich = false;       // cbc proved that the group allows none
    std::string meldung;           // what became of the run, for the log
};

Programmergebnis UeberdeckungPerProgramm(int k, int t, const Gruppe& gruppe, std::int64_t zeilen, int sekunden);

}  // namespace systemgen

#include <gtest/gtest.h>

#include "gruppendesign.h"
#include "bahnenfaelle.h"

using namespace systemgen;

// The depth-first search over orbits, once with the group's symmetries (one orbit per class at the first
// branching) and once without: both must agree with what is known to exist, and "none" must come from a
// search that went to the end.
TEST(UeberdeckungMitGruppe, SymmetriesKeepWhatExistsAndProveWhatDoesNot) {
    const Bahnenfall faelle[] = {
        {"Fano-Ebene zyklisch", 3, 2, Zyklisch(7), 7, true},
        {"projektive Ebene der Ordnung 3", 4, 2, Zyklisch(13), 13, true},
        {"affine Ebene der Ordnung 4, Z15 mit Fixpunkt", 4, 2, Zyklisch(15, 1, 1), 20, true},
        {"affine Ebene der Ordnung 4, drei Z5-Zyklen", 4, 2, Zyklisch(5, 3, 1), 20, true},
        {"STS(9) aus drei Z3-Zyklen", 3, 2, Zyklisch(3, 3), 12, true},
        {"STS(15) aus zwei Z7-Zyklen mit Fixpunkt", 3, 2, Zyklisch(7, 2, 1), 35, true},
        {"STS(13) mit Multiplikator", 3, 2, Affin(13, 3), 26, true},
        {"SQS(8) mit Z7 und Fixpunkt", 4, 3, Zyklisch(7, 1, 1), 14, true},
        {"kein zyklisches STS(9)", 3, 2, Zyklisch(9), 12, false},
        {"unter der Schoenheim-Schranke", 4, 3, Zyklisch(7, 1, 1), 13, false},
        {"29 Werte in 43 Fuenfern, zwei Z14-Zyklen", 5, 2, Zyklisch(14, 2, 1), 43, false},
    };
    for (const auto& f : faelle)
        for (const bool mitSymmetrien : {true, false}) {
            Gruppe g = f.gruppe;
            if (!mitSymmetrien) g.symmetrien.clear();
            bool durchsucht = false;
            const auto r = UeberdeckungMitGruppe(f.k, f.t, g, f.zeilen, 50'000'000, 1, &durchsucht);
            const std::string wie = std::string(f.name) + (mitSymmetrien ? " (mit Symmetrien)" : " (ohne)");
            ASSERT_EQ(r.has_value(), f.gibtEs) << wie;
            if (!r) {
                EXPECT_TRUE(durchsucht) << wie;
                continue;
            }
            EXPECT_LE(r->size(), std::size_t(f.zeilen)) << wie;
            EXPECT_EQ(Offen(*r, g.v, f.t), 0) << wie;
        }
}

#include <gtest/gtest.h>

#include "bahnenprogramm.h"
#include "bahnenfaelle.h"

using namespace systemgen;

// Needs cbc (coinor-cbc, installed by scripts/install-deps).
TEST(UeberdeckungPerProgramm, FindsInvariantCoveringsAndProvesWhereNoneExists) {
    const Bahnenfall faelle[] = {
        {"Fano-Ebene zyklisch", 3, 2, Zyklisch(7), 7, true},
        {"STS(9) als affine Ebene", 3, 2, Produkt(3, 3), 12, true},
        {"kein zyklisches STS(9)", 3, 2, Zyklisch(9), 12, false},
        {"SQS(8) mit Z7 und Fixpunkt", 4, 3, Zyklisch(7, 1, 1), 14, true},
        {"unter der Schoenheim-Schranke", 4, 3, Zyklisch(7, 1, 1), 13, false},
    };
    for (const auto& f : faelle) {
        const auto e = UeberdeckungPerProgramm(f.k, f.t, f.gruppe, f.zeilen, 60);
        EXPECT_EQ(e.reihen.has_value(), f.gibtEs) << f.name << ": " << e.meldung;
        EXPECT_EQ(e.unmoeglich, !f.gibtEs) << f.name << ": " << e.meldung;
        if (!e.reihen) continue;
        EXPECT_LE(e.reihen->size(), std::size_t(f.zeilen)) << f.name;
        EXPECT_EQ(Offen(*e.reihen, f.gruppe.v, f.t), 0) << f.name;
    }
}

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <utility>

#include "galoisfeld.h"
#include "gestrichener_plan.h"
#include "transversaldesign.h"
#include "transversalplan.h"

using namespace systemgen;

namespace {
// How often each pair of values lies in a row.
std::map<std::pair<int, int>, int> Paare(const Reihen& reihen) {
    std::map<std::pair<int, int>, int> n;
    for (const auto& r : reihen)
        for (std::size_t i = 0; i < r.size(); ++i)
            for (std::size_t j = i + 1; j < r.size(); ++j) ++n[{std::min(r[i], r[j]), std::max(r[i], r[j])}];
    return n;
}
}  // namespace

TEST(Galoisfeld, IsAFieldForPrimePowersOnly) {
    for (int q : {2, 4, 5, 7, 8, 9, 16, 25, 27}) {
        const auto f = Galoisfeld::Mit(q);
        ASSERT_TRUE(f) << q;
        for (int a = 0; a < q; ++a) {
            EXPECT_EQ(f->Plus(a, 0), a) << q;
            EXPECT_EQ(f->Mal(a, 1), a) << q;
            int inverse = 0;
            for (int b = 0; b < q; ++b) {
                inverse += f->Mal(a, b) == 1;
                for (int c = 0; c < q; ++c) {
                    EXPECT_EQ(f->Mal(a, f->Plus(b, c)), f->Plus(f->Mal(a, b), f->Mal(a, c))) << q;
                    EXPECT_EQ(f->Mal(f->Mal(a, b), c), f->Mal(a, f->Mal(b, c))) << q;
                }
            }
            EXPECT_EQ(inverse, a == 0 ? 0 : 1) << q << " " << a;
        }
    }
    for (int q : {0, 1, 6, 10, 12, 256}) EXPECT_FALSE(Galoisfeld::Mit(q)) << q;
}

TEST(Transversaldesign, HoldsEveryPairFromTwoGroupsOnceAndNoneInsideAGroup) {
    // TD(6,5) takes the slopes as its sixth group.
    for (const auto& [k, q] : {std::pair{5, 5}, {5, 7}, {5, 8}, {5, 9}, {6, 7}, {6, 5}}) {
        const auto plan = Transversaldesign(k, q);
        ASSERT_TRUE(plan) << k << " " << q;
        EXPECT_EQ(plan->size(), std::size_t(q * q));
        const auto paare = Paare(*plan);
        EXPECT_EQ(paare.size(), std::size_t(k * (k - 1) / 2 * q * q)) << k << " " << q;
        for (const auto& [paar, n] : paare) {
            EXPECT_EQ(n, 1) << k << " " << q;
            EXPECT_NE((paar.first - 1) / q, (paar.second - 1) / q) << k << " " << q;
        }
        if (k > q) continue;
        // The last q blocks form a parallel class: every point once.
        std::set<int> klasse;
        for (auto r = plan->end() - q; r != plan->end(); ++r) klasse.insert(r->begin(), r->end());
        EXPECT_EQ(klasse.size(), std::size_t(k * q)) << k << " " << q;
    }
    EXPECT_FALSE(Transversaldesign(7, 5));
    EXPECT_FALSE(Transversaldesign(5, 6));
}

TEST(Transversalplan, EightsWithThreePointsBeyondCoverAllPairsOf43In95Rows) {
    const quintaro::TSysteme s{5, 43, 2, 95};
    const auto d = PaareAusTransversalplan(s, 1, 0);
    ASSERT_TRUE(d);
    EXPECT_EQ(d->reihen.size(), 95u);
    EXPECT_EQ(Paare(d->reihen).size(), std::size_t(43 * 42 / 2));
}

TEST(Transversaldesign, WithPointsAddedCoversEveryPairInExactlyTheRowsAsked) {
    struct Fall {
        int v, k, zeilen;
        const char* methode;
    };
    // TD(6,7) + 2 and TD(6,8) + 1: every group with the added values in 3 rows; TD(4,11) + 1: in 12 rows.
    for (const Fall& f : {Fall{44, 6, 67, "TD(6,7)+2"}, Fall{49, 6, 82, "TD(6,8)+1"}, Fall{45, 4, 169, "TD(4,11)+1"}}) {
        const auto d = TransversalMitPunkten(f.v, f.k, f.zeilen);
        ASSERT_TRUE(d) << f.v;
        EXPECT_EQ(d->methode, f.methode);
        EXPECT_EQ(d->reihen.size(), std::size_t(f.zeilen)) << f.v;
        EXPECT_EQ(Paare(d->reihen).size(), std::size_t(f.v * (f.v - 1) / 2)) << f.v;
        for (const auto& r : d->reihen) EXPECT_TRUE(r.front() >= 1 && r.back() <= f.v) << f.v;
    }
    // One row fewer leaves no even share for the groups.
    EXPECT_FALSE(TransversalMitPunkten(44, 6, 66));
}

TEST(Transversaldesign, WithOnePointStruckCoversThePairsOf47In79Sextuples) {
    const auto reihen = SechserAuf47();
    ASSERT_EQ(reihen.size(), 79u);
    for (const auto& r : reihen) {
        ASSERT_EQ(r.size(), 6u);
        EXPECT_TRUE(std::is_sorted(r.begin(), r.end()) && std::adjacent_find(r.begin(), r.end()) == r.end());
        EXPECT_TRUE(r.front() >= 1 && r.back() <= 47);
    }
    EXPECT_EQ(Paare(reihen).size(), std::size_t(47 * 46 / 2));
}

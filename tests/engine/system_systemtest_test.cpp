#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

#include "core/kombinatorik.h"
#include "system_testhilfen.h"
#include "systems/katalog.h"
#include "systems/systemtest.h"

using namespace quintaro;
using testhilfen::IndexVon;

namespace {
std::uint64_t Maske(std::initializer_list<int> positionen) {
    std::uint64_t m = 0;
    for (int p : positionen) m |= std::uint64_t{1} << p;
    return m;
}

// The plain method: every k-set against every row.
Trefferzaehler Einfach(const std::vector<std::uint64_t>& reihen, int WZ, int RG, int D) {
    std::vector<TZahlenMenge> mengen;
    for (auto r : reihen) {
        TZahlenMenge m;
        for (int v = 1; v <= WZ; ++v)
            if ((r >> v) & 1) m.hinzu(v);
        mengen.push_back(m);
    }
    Trefferzaehler H{};
    for (int k = D; k <= RG; ++k)
        for (const auto& K : KombinationenBilden(WZ, k)) {
            int beste = 0;
            for (const auto& r : mengen) beste = std::max(beste, Treffer(K, r));
            ++H[std::size_t(k)][std::size_t(beste)];
        }
    return H;
}
}  // namespace

TEST(Systemtest, LowerBoundAndCounts) {
    const struct {
        TSysteme s;
        int D;
        std::int64_t kombinationen, operationen;
    } faelle[] = {
        {{3, 4, 2, 3}, 2, 10, 30},
        {{6, 12, 6, 924}, 2, 66 + 220 + 495 + 792 + 924, 2'307'228},
        {{6, 44, 2, 82}, 5, 1'086'008 + 7'059'052, 82LL * (1'086'008 + 7'059'052)},
        {{6, 45, 2, 70}, 6, 8'145'060, 70LL * 8'145'060},
        {{6, 42, 2, 65}, 3, 11'480 + 111'930 + 850'668 + 5'245'786, 65LL * 6'219'864},
        {{1, 40, 1, 40}, 2, 0, 0},   // the five-banker system: nothing to test
        {{5, 50, 0, 491}, 11, 0, 0},  // pool above 45
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(UntereTrefferGrenze(f.s), f.D) << int(f.s.RG) << "/" << int(f.s.WZ);
        EXPECT_EQ(Kombinationsanzahl(f.s), f.kombinationen) << int(f.s.RG) << "/" << int(f.s.WZ);
        EXPECT_EQ(Rechenoperationen(f.s), f.operationen) << int(f.s.RG) << "/" << int(f.s.WZ);
    }
}

TEST(Systemtest, SmallSystemCountsAsExpected) {
    // Rows (1,2,3) (1,2,4) (1,3,4): every pair lies in a row; of the four
    // triples only (2,3,4) is not a row.
    const auto e = Systemtest({Maske({1, 2, 3}), Maske({1, 2, 4}), Maske({1, 3, 4})}, 4, 3, 2);
    EXPECT_FALSE(e.abgebrochen);
    EXPECT_EQ(e.kombinationen[2], 6);
    EXPECT_EQ(e.kombinationen[3], 4);
    EXPECT_EQ(e.H[2], (std::array<std::int64_t, 7>{0, 0, 6, 0, 0, 0, 0}));
    EXPECT_EQ(e.H[3], (std::array<std::int64_t, 7>{0, 0, 1, 3, 0, 0, 0}));
}

TEST(Systemtest, FullSystemReachesEveryCombination) {
    const int index = IndexVon(6, 7, 6);
    ASSERT_GE(index, 348);
    const auto e = Systemtest(index);
    for (int k = 2; k <= 6; ++k)
        for (int m = 0; m <= k; ++m)
            EXPECT_EQ(e.H[std::size_t(k)][std::size_t(m)], m == k ? Binomial(7, k) : 0) << k << "/" << m;
}

TEST(Systemtest, AgreesWithThePlainMethodOnRandomRows) {
    std::mt19937_64 zufall(2024);
    for (int fall = 0; fall < 30; ++fall) {
        const int RG = 2 + fall % 5;
        const int WZ = RG + 1 + int(zufall() % 14);
        const int TR = 1 + int(zufall() % 40);
        const int D = 2 + int(zufall() % 2);
        std::vector<std::uint64_t> reihen;
        for (int r = 0; r < TR; ++r) {
            std::uint64_t m = 0;
            while (std::popcount(m) < RG) m |= std::uint64_t{1} << (1 + zufall() % std::uint64_t(WZ));
            reihen.push_back(m);
        }
        for (int threads : {1, 2, 3}) {
            Systemtestoptionen o;
            o.threads = threads;
            const auto e = Systemtest(reihen, WZ, RG, D, o);
            EXPECT_EQ(e.H, Einfach(reihen, WZ, RG, D)) << "case " << fall << " threads " << threads;
        }
    }
}

TEST(Systemtest, ReportsProgressOnTheCallingThreadAndEndsAtTheTotal) {
    const int index = IndexVon(6, 12, 6);  // "012": 2,497 sets against 924 rows
    ASSERT_GE(index, 0);
    std::vector<std::int64_t> staende;
    const auto aufrufer = std::this_thread::get_id();
    Systemtestoptionen o;
    o.fortschritt = [&](std::int64_t erledigt, std::int64_t gesamt) {
        EXPECT_EQ(std::this_thread::get_id(), aufrufer);
        EXPECT_EQ(gesamt, 2497);
        staende.push_back(erledigt);
    };
    Systemtest(index, o);
    ASSERT_FALSE(staende.empty());
    EXPECT_TRUE(std::is_sorted(staende.begin(), staende.end()));
    EXPECT_EQ(staende.back(), 2497);
}

TEST(Systemtest, StopsSoonAfterTheRequest) {
    // 900 rows over 60 positions: 56 million sets, seconds of work when not stopped.
    std::mt19937_64 zufall(5);
    std::vector<std::uint64_t> reihen;
    for (int r = 0; r < 900; ++r) {
        std::uint64_t m = 0;
        while (std::popcount(m) < 6) m |= std::uint64_t{1} << (1 + zufall() % 60);
        reihen.push_back(m);
    }
    std::atomic<bool> stopp{false};
    std::chrono::steady_clock::time_point gestoppt;
    Systemtestoptionen o;
    o.stopp = &stopp;
    o.fortschritt = [&](std::int64_t erledigt, std::int64_t) {
        if (erledigt > 0 && !stopp) {
            gestoppt = std::chrono::steady_clock::now();
            stopp = true;
        }
    };
    const auto e = Systemtest(reihen, 60, 6, 2, o);
    const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - gestoppt).count();
    EXPECT_TRUE(e.abgebrochen);
    EXPECT_LT(ms, 500.0);  // generous; the design aims at well under 100 ms
}

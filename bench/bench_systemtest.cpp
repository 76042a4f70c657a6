// The system test of a large reduced system against the plain method: every
// k-set of Wahlzahl positions as a 256-bit set, compared with every row.
#include <cstdio>
#include <thread>

#include "bench_util.h"
#include "core/kombinatorik.h"
#include "systems/katalog.h"
#include "systems/systemreihen.h"
#include "systems/systemtest.h"

using namespace quintaro;

namespace {
Trefferzaehler Einfach(int index) {
    const TSysteme& s = SystemKatalog()[std::size_t(index)];
    std::vector<TZahlenMenge> reihen;
    for (std::uint64_t r : Systemreihen(index)) {
        TZahlenMenge m;
        for (int v = 1; v <= s.WZ; ++v)
            if ((r >> v) & 1) m.hinzu(v);
        reihen.push_back(m);
    }
    Trefferzaehler H{};
    for (int k = UntereTrefferGrenze(s); k <= s.RG; ++k)
        FuerAlleKombinationen(s.WZ, k, [&](const std::vector<int>& positionen) {
            TZahlenMenge K;
            for (int p : positionen) K.hinzu(p);
            int beste = 0;
            for (const auto& r : reihen) beste = std::max(beste, Treffer(K, r));
            ++H[std::size_t(k)][std::size_t(beste)];
            return true;
        });
    return H;
}

void Messe(int index) {
    const TSysteme& s = SystemKatalog()[std::size_t(index)];
    Systemtestergebnis unseres, einThread;
    Trefferzaehler referenz{};
    Systemtestoptionen eins;
    eins.threads = 1;
    const double unsere = bench::BesteZeitMs(3, [&] { unseres = Systemtest(index); });
    const double allein = bench::BesteZeitMs(3, [&] { einThread = Systemtest(index, eins); });
    const double einfach = bench::BesteZeitMs(1, [&] { referenz = Einfach(index); });
    char was[96];
    std::snprintf(was, sizeof was, "system test %d (RG %d, WZ %d, %d rows, %lld sets)", index, s.RG, s.WZ, s.TR,
                  static_cast<long long>(Kombinationsanzahl(s)));
    bench::Zeile(was, unsere, einfach);
    bench::Zeile("  the same on one thread", allein, einfach);
    if (unseres.H != referenz || einThread.H != referenz) std::printf("  RESULTS DIFFER\n");
}
}  // namespace

int main() {
    std::printf("threads: %u\n", std::thread::hardware_concurrency());
    Messe(329);
    Messe(347);
    std::printf("peak memory: %.1f MiB\n", bench::SpitzenspeicherMiB());
    return 0;
}

// Triple and quadruple rankings over a 5,000-draw history: the per-draw count
// of the statistics engine beside the scan of every combination against every
// draw.
#include <cstdio>

#include "../tests/engine/statistik_referenz.h"
#include "bench_util.h"
#include "statistics/statistik.h"

int main() {
    using namespace quintaro;
    const auto liste = referenz::ZufallsZiehungen(5000, 20261209);
    const TStatistik statistik(liste, {}, {});
    const TZeitraum ganz = statistik.GanzeListe(0);
    const auto mengen = referenz::Mengen(liste, ganz.von, ganz.bis);

    for (int k = 3; k <= 4; ++k) {
        TRangliste unsere, referenzListe;
        const double unsere_ms = bench::BesteZeitMs(5, [&] { unsere = *statistik.Kombinationsrangliste(k, ganz, 0); });
        const double referenz_ms = bench::BesteZeitMs(1, [&] { referenzListe = referenz::TabellenScan(mengen, k); });
        const bool gleich = unsere.haeufig == referenzListe.haeufig && unsere.selten == referenzListe.selten;
        char was[64];
        std::snprintf(was, sizeof was, "%der rankings, 5000 draws%s", k, gleich ? "" : " (LISTS DIFFER)");
        bench::Zeile(was, unsere_ms, referenz_ms);
    }
    std::printf("peak memory %.1f MiB\n", bench::SpitzenspeicherMiB());
}

// Triple and quadruple rankings over a 5,000-draw history: the per-draw count
// of the statistics engine beside the scan of every combination against every
// draw; then the statistics window with that history: how long it takes to
// build and to show the quadruple lists after the click.
#include <QApplication>
#include <QPushButton>
#include <chrono>
#include <cstdio>

#include "../tests/engine/statistik_referenz.h"
#include "bench_anzeige.h"
#include "bench_util.h"
#include "statistics/statistik.h"
#include "statistics/ui/frStatistik.h"
#include "statistics/ui/statistik_fenster.h"

namespace {

double MsSeit(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quintaro;
    Datenbestand daten;
    daten.GZListe = referenz::ZufallsZiehungen(5000, 20261209);
    StatistikStart(daten);
    const TStatistik statistik(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    const TZeitraum ganz = statistik.GanzeListe(0);
    const auto mengen = referenz::Mengen(daten.GZListe, ganz.von, ganz.bis);

    double scan4_ms = 0;
    for (int k = 3; k <= 4; ++k) {
        TRangliste unsere, referenzListe;
        const double unsere_ms = bench::BesteZeitMs(5, [&] { unsere = *statistik.Kombinationsrangliste(k, ganz, 0); });
        const double referenz_ms = bench::BesteZeitMs(1, [&] { referenzListe = referenz::TabellenScan(mengen, k); });
        const bool gleich = unsere.haeufig == referenzListe.haeufig && unsere.selten == referenzListe.selten;
        char was[64];
        std::snprintf(was, sizeof was, "%der rankings, 5000 draws%s", k, gleich ? "" : " (LISTS DIFFER)");
        bench::Zeile(was, unsere_ms, referenz_ms);
        if (k == 4) scan4_ms = referenz_ms;
    }

    bench::OffscreenWennKeinePlattform();
    QApplication app(argc, argv);
    auto start = std::chrono::steady_clock::now();
    auto* fenster = new TFStatistik(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    fenster->show();
    QApplication::processEvents();
    const double bau_ms = MsSeit(start);

    start = std::chrono::steady_clock::now();
    fenster->Frame(0)->BStart2->click();
    while (fenster->ZaehlungLaeuft()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QApplication::processEvents();
    const double vierer_ms = MsSeit(start);
    std::printf("window with 5000 draws: built and shown in %.1f ms; quadruple lists shown %.1f ms after the click "
                "(the table scan alone takes %.1f ms)\n",
                bau_ms, vierer_ms, scan4_ms);
    delete fenster;
    std::printf("peak memory %.1f MiB\n", bench::SpitzenspeicherMiB());
}

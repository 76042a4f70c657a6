// The 924-row ticket of system "012" evaluated over a 5,000-draw history, every
// draw: the engine alone and the system ticket frame filled (evaluation, model
// and the first screen painted), each beside a straightforward reference.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "bench_anzeige.h"
#include "bench_daten.h"
#include "bench_referenz.h"
#include "bench_util.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/formatierung.h"
#include "core/scheindateien.h"
#include "evaluation/gewinnauswertung.h"
#include "evaluation/ui/frscheine.h"
#include "quotas/quotenliste.h"

using namespace quintaro;

namespace {
constexpr int kZiehungen = 5000;
constexpr int kSystem012 = 6;

// Real quotas for every draw from 2019 on.
std::vector<TQuoten> Quoten(const std::vector<TGewZahlen>& ziehungen) {
    std::vector<TQuoten> liste;
    for (const auto& z : ziehungen) {
        if (z.datum < RealquotenAb) continue;
        TQuoten q;
        q.datum = z.datum;
        for (int k = 1; k <= 8; ++k) q.q[std::size_t(k)] = StandardQuoten[std::size_t(k)] + 100 * k;
        liste.push_back(q);
    }
    return liste;
}
}  // namespace

using bench::Referenz;
using bench::ReferenzErgebnis;

int main(int argc, char** argv) {
    bench::OffscreenWennKeinePlattform();
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    qputenv("QUINTARO_DATA_DIR", ordner.path().toUtf8());
    DatenPfadNeuBestimmen();

    Daten().GZListe = bench::ZufallsGeschichte(kZiehungen);
    Daten().QuotenListe = Quoten(Daten().GZListe);
    TZahlenMenge wahl{3, 8, 12, 17, 21, 25, 29, 33, 36, 40, 42, 45};
    const auto schein = DatenDatei("012.sqtr");
    SystemscheinSpeichern(SystemscheinBauen(kSystem012, {}, wahl), schein);
    TippTabelle reihen;
    std::vector<TZahlenMenge> bankMengen;
    SystemscheinAufloesen(SystemscheinLesen(schein), reihen, bankMengen);
    const auto& ziehungen = Daten().GZListe;
    const auto& quoten = Daten().QuotenListe;

    Auswertung ergebnis;
    const double engine = bench::BesteZeitMs(5, [&] {
        ergebnis = GewinnAuswertung(reihen, ziehungen, quoten, kZiehungen - 1, 0, true, Ziehungstage::Alle);
    });
    ReferenzErgebnis referenz;
    const double engineRef = bench::BesteZeitMs(2, [&] { referenz = Referenz(reihen, ziehungen, quoten); });
    if (referenz.gesamt != ergebnis.gesamt || referenz.zeilen.size() != ergebnis.zeilen.size()) {
        std::printf("MISMATCH: engine %zu lines %lld, reference %zu lines %lld\n", ergebnis.zeilen.size(),
                    static_cast<long long>(ergebnis.gesamt), referenz.zeilen.size(),
                    static_cast<long long>(referenz.gesamt));
        return 1;
    }
    std::printf("924 rows x %d draws: %zu result lines, total %s\n", kZiehungen, ergebnis.zeilen.size(),
                WaehrungText(ergebnis.gesamt).c_str());
    bench::Zeile("evaluation engine", engine, engineRef);

    TFFrScheine rahmen;
    rahmen.resize(1000, 700);
    rahmen.show();
    rahmen.DateiLaden(schein, bankMengen);
    QStringList texte;
    for (const auto& z : ziehungen) texte << QString::fromStdString(DatumText(z.datum));
    rahmen.setzeZiehungsauswahl(texte);
    rahmen.cbBack->setChecked(true);
    rahmen.combo2->setCurrentIndex(0);
    const double fenster = bench::BesteZeitMs(5, [&] {
        rahmen.StartClick();
        rahmen.repaint();
        QApplication::processEvents();
    });
    // Reference frame: every line's cells put into a string grid at once.
    QTableWidget raster;
    raster.resize(400, 600);
    raster.show();
    const double fensterRef = bench::BesteZeitMs(1, [&] {
        const ReferenzErgebnis r = Referenz(reihen, ziehungen, quoten);
        raster.setRowCount(0);
        raster.setColumnCount(4);
        raster.setRowCount(int(r.zeilen.size()));
        for (int i = 0; i < int(r.zeilen.size()); ++i)
            for (int c = 0; c < 4; ++c)
                raster.setItem(i, c, new QTableWidgetItem(QString::fromStdString(r.zeilen[std::size_t(i)][std::size_t(c)])));
        raster.repaint();
        QApplication::processEvents();
    });
    bench::Zeile("frame filled (evaluate + grid + first paint)", fenster, fensterRef);
    std::printf("peak memory %.1f MiB\n", bench::SpitzenspeicherMiB());
    return 0;
}

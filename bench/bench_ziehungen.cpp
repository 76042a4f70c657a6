// Loading a 5,000-draw history, splitting it into the Sunday and Wednesday
// lists, and start-up to the main window ready (without the fade).
#include <QApplication>
#include <QTemporaryDir>
#include <fstream>

#include "app/start/programmstart.h"
#include "app/start/tfstart.h"
#include "bench_anzeige.h"
#include "bench_daten.h"
#include "bench_util.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/tfauswertung.h"

using namespace quintaro;

namespace {
// The straightforward load: grow the list by one and read the next record, record by record.
std::vector<TGewZahlen> ReferenzLaden(const std::filesystem::path& datei) {
    std::vector<TGewZahlen> liste;
    std::ifstream in(datei, std::ios::binary);
    std::uint8_t satz[16];
    while (in.read(reinterpret_cast<char*>(satz), 16)) {
        liste.emplace_back();
        liste.back() = GewZahlenAus(satz);
    }
    return liste;
}
}  // namespace

int main(int argc, char** argv) {
    bench::OffscreenWennKeinePlattform();
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    qputenv("QUINTARO_DATA_DIR", ordner.path().toUtf8());
    DatenPfadNeuBestimmen();
    const auto datei = DatenDatei(ZiehungsDateiName);
    ZiehungenSpeichern(datei, bench::ZufallsGeschichte(5000));

    std::size_t n = 0;
    const double laden = bench::BesteZeitMs(50, [&] { n += ZiehungenLaden(datei).ziehungen.size(); });
    const double referenz = bench::BesteZeitMs(50, [&] { n += ReferenzLaden(datei).size(); });
    bench::Zeile("load 5,000 draws (incl. damage check)", laden, referenz);

    const auto alle = ZiehungenLaden(datei).ziehungen;
    std::vector<TGewZahlen> so, mi;
    const double teilen = bench::BesteZeitMs(50, [&] { ListenTeilen(alle, so, mi); });
    const double teilenRef = bench::BesteZeitMs(50, [&] {
        std::vector<TGewZahlen> s, m;
        for (const auto& z : alle) {
            if (IstSonntagsZiehung(z.datum)) {
                s.emplace_back();
                s.back() = z;
            } else {
                m.emplace_back();
                m.back() = z;
            }
        }
        n += s.size();
    });
    bench::Zeile("split into Sunday and Wednesday lists", teilen, teilenRef);

    FensterRegistrieren();
    const double start = bench::BesteZeitMs(5, [&] {
        TFStart startfenster;
        std::unique_ptr<TFAuswertung> haupt(HauptfensterErzeugen());
        haupt->show();
        QApplication::processEvents();
    });
    std::printf("%-48s ours %10.3f ms   (start window, catalogue, main window with 5,000 draws shown)\n",
                "start-up to main window ready", start);
    std::printf("draws read: %zu, peak memory %.1f MiB\n", n, bench::SpitzenspeicherMiB());
    return 0;
}

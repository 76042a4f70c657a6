// Loading a 5,000-draw history, splitting it into the Sunday and Wednesday
// lists, and start-up to the main window ready (without the fade).
#include <QApplication>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "app/ui/programmstart.h"
#include "app/ui/tfstart.h"
#include "bench_util.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/tfauswertung.h"

using namespace quintaro;

namespace {
std::vector<TGewZahlen> ZufallsGeschichte(int anzahl) {
    std::mt19937 zufall(42);
    std::vector<TGewZahlen> liste;
    TDatum d = DatumAus(1979, 1, 7);
    for (int i = 0; i < anzahl; ++i) {
        std::vector<int> zahlen(45);
        for (int n = 0; n < 45; ++n) zahlen[std::size_t(n)] = n + 1;
        std::shuffle(zahlen.begin(), zahlen.end(), zufall);
        TGewZahlen z;
        z.datum = d;
        std::sort(zahlen.begin(), zahlen.begin() + 6);
        for (int k = 1; k <= 6; ++k) z.GZ[std::size_t(k)] = std::uint8_t(zahlen[std::size_t(k - 1)]);
        z.ZZ = std::uint8_t(zahlen[6]);
        liste.push_back(z);
        d = NaechsteZiehung(d);
    }
    return liste;
}

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
    QApplication app(argc, argv);
    QTemporaryDir ordner;
    qputenv("QUINTARO_DATA_DIR", ordner.path().toUtf8());
    DatenPfadNeuBestimmen();
    const auto datei = DatenDatei(ZiehungsDateiName);
    ZiehungenSpeichern(datei, ZufallsGeschichte(5000));

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

// A full data folder: 10,000 draws, 2,000 quota records and twelve remembered
// tickets, one of them the 924 rows of system "012". Measured: the start up to
// the main window shown with its twelve tabs (no reference: nothing simpler
// starts the same windows), and the whole period evaluated on the "012" tab
// beside a plain loop over rows x draws.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "app/start/programmstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/nachrichten.h"
#include "bench_anzeige.h"
#include "bench_daten.h"
#include "bench_referenz.h"
#include "bench_util.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/formatierung.h"
#include "core/scheindateien.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/auswertungsrahmen.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/tfauswertung.h"
#include "quotas/quotenliste.h"

using namespace quintaro;

namespace {
constexpr int kZiehungen = 10000;
constexpr int kQuoten = 2000;
constexpr int kScheine = 12;
constexpr int kSystem012 = 6;

// Any message during the start means the folder is not what the benchmark
// wants to measure; it is printed and answered No.
class Meldungen : public Nachrichtendienst {
public:
    void information(QWidget*, const QString& text) override { melde(text); }
    void fehler(QWidget*, const QString& text) override { melde(text); }
    Antwort frage(QWidget*, const QString& text, bool) override {
        melde(text);
        return Antwort::Nein;
    }
    int anzahl = 0;

private:
    void melde(const QString& text) {
        ++anzahl;
        std::printf("message: %s\n", text.toUtf8().constData());
    }
};

// The data folder: history, quotas of the newest draws, eleven normal tickets
// and the system ticket, all remembered for the start.
std::filesystem::path OrdnerFuellen() {
    const auto ziehungen = bench::ZufallsGeschichte(kZiehungen);
    ZiehungenSpeichern(DatenDatei(ZiehungsDateiName), ziehungen);
    std::vector<TQuoten> quoten;
    for (std::size_t i = ziehungen.size() - kQuoten; i < ziehungen.size(); ++i) {
        TQuoten q;
        q.datum = ziehungen[i].datum;
        for (int k = 1; k <= 8; ++k) q.q[std::size_t(k)] = StandardQuoten[std::size_t(k)] + Currency(100 * k + i % 7);
        quoten.push_back(q);
    }
    QuotenSpeichern(DatenDatei(QuotenDateiName), quoten);

    Einstellungen ini;
    ini.schreibeSchalter("Spielscheine", "Merken", true);
    ini.schreibeZahl("Spielscheine", "Dateienanzahl", kScheine);
    for (int s = 1; s < kScheine; ++s) {
        TippTabelle reihen;
        ReihenKopf(reihen);
        for (int r = 1; r <= 12; ++r) {
            std::vector<std::string> zeile{std::to_string(r)};
            for (int k = 0; k < 6; ++k) zeile.push_back(std::to_string(1 + (s * 7 + r * 5 + k * 7) % 45));
            reihen.push_back(zeile);
        }
        const auto datei = DatenDatei("Schein" + std::to_string(s) + ".nqtr");
        ReihenSpeichern(reihen, datei);
        ini.schreibeText("Spielscheine", "Datei" + std::to_string(s), datei.string());
    }
    const auto system = DatenDatei("012.sqtr");
    SystemscheinSpeichern(SystemscheinBauen(kSystem012, {}, {3, 8, 12, 17, 21, 25, 29, 33, 36, 40, 42, 45}), system);
    ini.schreibeText("Spielscheine", "Datei" + std::to_string(kScheine), system.string());
    return system;
}
}  // namespace

int main(int argc, char** argv) {
    bench::OffscreenWennKeinePlattform();
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTemporaryDir ordner;
    qputenv("QUINTARO_DATA_DIR", ordner.path().toUtf8());
    DatenPfadNeuBestimmen();
    const auto system = OrdnerFuellen();
    Meldungen meldungen;
    SetzeNachrichtendienst(&meldungen);

    // Each start from scratch: windows registered, the main window built (it
    // loads history and quotas), shown (it opens the remembered tickets).
    TFAuswertung* haupt = nullptr;
    int tabs = 0;
    const double start = bench::BesteZeitMs(3, [&] {
        if (haupt) {
            Fensterverwaltung::Instanz().fensterLoeschen();
            delete haupt;
        }
        FensterRegistrieren();
        haupt = HauptfensterErzeugen();
        haupt->show();
        QApplication::processEvents();
        tabs = haupt->auswertungsseite()->PC1->count();
    });
    if (tabs != kScheine || meldungen.anzahl != 0 || Daten().GZListe.size() != std::size_t(kZiehungen) ||
        Daten().QuotenListe.size() != std::size_t(kQuoten)) {
        std::printf("START FAILED: %d tabs, %d messages, %zu draws, %zu quota records\n", tabs, meldungen.anzahl,
                    Daten().GZListe.size(), Daten().QuotenListe.size());
        return 1;
    }
    std::printf("%d draws, %d quota records, %d tabs\n", kZiehungen, kQuoten, tabs);
    std::printf("%-48s ours %10.3f ms   (no reference)\n", "start to the main window with its tabs", start);

    // The whole period on the "012" tab: from the oldest draw to the newest.
    AuswertungsRahmen* rahmen = haupt->auswertungsseite()->rahmen(kScheine - 1);
    rahmen->cbBack->setChecked(true);
    rahmen->combo2->setCurrentIndex(0);
    rahmen->Combo1->setCurrentIndex(rahmen->Combo1->count() - 1);
    const double fenster = bench::BesteZeitMs(5, [&] {
        rahmen->StartClick();
        rahmen->repaint();
        QApplication::processEvents();
    });

    TippTabelle reihen;
    std::vector<TZahlenMenge> bankMengen;
    SystemscheinAufloesen(SystemscheinLesen(system), reihen, bankMengen);
    bench::ReferenzErgebnis referenz;
    const double referenzMs = bench::BesteZeitMs(
        2, [&] { referenz = bench::Referenz(reihen, Daten().GZListe, Daten().QuotenListe); });
    const QString erwartet = QString::fromStdString(WaehrungText(referenz.gesamt));
    if (reihen.size() != 925 || rahmen->LGesGewinn->text() != erwartet) {
        std::printf("MISMATCH: %zu rows, window total %s, reference total %s\n", reihen.size() - 1,
                    rahmen->LGesGewinn->text().toUtf8().constData(), erwartet.toUtf8().constData());
        return 1;
    }
    std::printf("924 rows x %d draws: total %s\n", kZiehungen, erwartet.toUtf8().constData());
    bench::Zeile("period evaluated on the tab (with first paint)", fenster, referenzMs);
    std::printf("peak memory %.1f MiB\n", bench::SpitzenspeicherMiB());

    Fensterverwaltung::Instanz().fensterLoeschen();
    delete haupt;
    SetzeNachrichtendienst(nullptr);
    return 0;
}

// The system selection window: from the click on "Tippreihen bilden" to the
// painted grid for the 924 rows of the full system "012", beside a grid that
// holds one widget item per cell, filled from the same rows; and how soon a
// running system test ends after the click on "Test stoppen".
#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <chrono>
#include <cstdio>

#include "bench_util.h"
#include "systems/katalog.h"
#include "systems/systemanwenden.h"
#include "systems/ui/tfsystemwahl.h"
#include "systems/ui/systemtestseite.h"
#include "systems/ui/tippreihenmodell.h"
#include "systems/ui/zahlplatten.h"

namespace {
using namespace quintaro;

constexpr int Wiederholungen = 20;

int Index012() {
    const auto& k = SystemKatalog();
    for (std::size_t i = 0; i < k.size(); ++i)
        if (k[i].RG == 6 && k[i].WZ == 12 && k[i].GA == 6) return int(i);
    return -1;
}

// Counts the paint events of a widget.
struct Malzaehler : QObject {
    explicit Malzaehler(QWidget* w) { w->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++anzahl;
        return false;
    }
    int anzahl = 0;
};

// The straightforward grid: every cell an item with its font, alignment and colour.
void ReferenzFuellen(QTableWidget& gitter, const TSystemAnwendung& a, const TZahlenMenge& bank) {
    QFont fett = gitter.font();
    fett.setBold(true);
    gitter.setRowCount(0);
    gitter.setRowCount(int(a.reihen.size()));
    for (int z = 0; z < int(a.reihen.size()); ++z) {
        for (int s = 0; s < 7; ++s) {
            const int wert = s == 0 ? z + 1 : a.reihen[std::size_t(z)][std::size_t(s - 1)];
            auto* zelle = new QTableWidgetItem(QString::number(wert));
            zelle->setFont(fett);
            zelle->setTextAlignment(Qt::AlignCenter);
            if (s > 0) zelle->setBackground(bank.enthaelt(wert) ? AussehenFarbe(Zahlaussehen::Bankzahl) : QColor(Qt::white));
            gitter.setItem(z, s, zelle);
        }
    }
}
}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TFSystemwahl fenster;
    fenster.show();
    fenster.BFilternEx->click();
    fenster.BFiltern->click();
    const int index = Index012();
    const auto& liste = fenster.wahl().ListenIndex();
    const int zeile = int(std::find(liste.begin(), liste.end(), index) - liste.begin());
    fenster.l1ListBoxClick(zeile);
    const TZahlenMenge wahl{3, 7, 11, 14, 20, 22, 27, 30, 33, 38, 41, 44};
    for (int z : wahl.zahlen()) fenster.lot[std::size_t(z)]->click();
    QApplication::processEvents();

    const double unsere_ms = bench::BesteZeitMs(Wiederholungen, [&] {
        fenster.BTRBilden->click();
        QApplication::processEvents();  // lays the grid out and paints it
    });
    const bool gebaut = fenster.reihenModell().rowCount() == 924;
    Malzaehler unsereBilder(fenster.G1->viewport());

    QTableWidget referenz(0, 7);
    Malzaehler referenzBilder(referenz.viewport());
    referenz.verticalHeader()->hide();
    referenz.resize(fenster.G1->size());
    referenz.horizontalHeader()->setDefaultSectionSize(fenster.G1->columnWidth(1));
    referenz.setColumnWidth(0, fenster.G1->columnWidth(0));
    referenz.verticalHeader()->setDefaultSectionSize(fenster.G1->verticalHeader()->defaultSectionSize());
    referenz.show();
    QApplication::processEvents();
    const double referenz_ms = bench::BesteZeitMs(Wiederholungen, [&] {
        const TSystemAnwendung a = SystemAnwenden(index, wahl, {}, true);
        ReferenzFuellen(referenz, a, {});
        QApplication::processEvents();
    });

    // Both grids must really have been painted by the pending events after each click.
    referenzBilder.anzahl = 0;
    fenster.BTRBilden->click();
    QApplication::processEvents();
    ReferenzFuellen(referenz, SystemAnwenden(index, wahl, {}, true), {});
    QApplication::processEvents();
    const bool gemalt = unsereBilder.anzahl > 0 && referenzBilder.anzahl > 0;
    bench::Zeile(!gebaut   ? "click to painted grid (ROWS MISSING)"
                 : !gemalt ? "click to painted grid (NOT PAINTED)"
                           : "click to painted grid, 924 rows of \"012\"",
                 unsere_ms, referenz_ms);

    // The longest system test of the catalogue, stopped once it reported progress.
    const int laengster = 327;
    fenster.BFiltern->click();
    const auto& alle = fenster.wahl().ListenIndex();
    fenster.l1ListBoxClick(int(std::find(alle.begin(), alle.end(), laengster) - alle.begin()));
    double stopp_ms = 0;
    int gestoppt = 0;
    for (int i = 0; i < 5; ++i) {
        fenster.Tab2->BTesten->click();
        while (fenster.Tab2->testLaeuft() && fenster.Tab2->Gauge1->value() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (!fenster.Tab2->testLaeuft()) continue;  // finished before its first report
        const auto start = std::chrono::steady_clock::now();
        fenster.Tab2->BTesten->click();
        while (fenster.Tab2->testLaeuft()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        stopp_ms = std::max(stopp_ms, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        gestoppt += fenster.Tab2->G2->item(9, 1)->text().isEmpty();  // a stopped test shows no counts
    }
    std::printf("system test of entry %d: %d of 5 runs stopped, at most %.2f ms after the click on \"Test stoppen\"\n",
                laengster, gestoppt, stopp_ms);
    return gebaut && gemalt ? 0 : 1;
}

#include "app/ui/spaltenbreiten.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <algorithm>

namespace quintaro {

namespace {
constexpr int kGemesseneZeilen = 1000;  // at each end of a long grid

// The width a cell needs for `text` in the given font.
int ZellenBreite(const QTableView* gitter, const QFont& schrift, const QString& text) {
    if (text.isEmpty()) return 0;
    // The item delegate's text margins on both sides, the grid line, and a little air.
    const int rand = 2 * (gitter->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, gitter) + 1) + 1 + 4;
    return QFontMetrics(schrift).horizontalAdvance(text) + rand;
}

QFont Zellschrift(const QTableView* gitter, const QModelIndex& index) {
    const QVariant schrift = index.data(Qt::FontRole);
    return schrift.isValid() ? schrift.value<QFont>() : gitter->font();
}

int Spaltenbedarf(const QTableView* gitter, int spalte) {
    const QAbstractItemModel* modell = gitter->model();
    int bedarf = gitter->horizontalHeader()->isHidden() ? 0 : gitter->horizontalHeader()->sectionSizeHint(spalte);
    const int zeilen = modell->rowCount();
    const auto messen = [&](int zeile) {
        const QModelIndex index = modell->index(zeile, spalte);
        bedarf = std::max(bedarf, ZellenBreite(gitter, Zellschrift(gitter, index), index.data().toString()));
    };
    if (zeilen <= 2 * kGemesseneZeilen) {
        for (int z = 0; z < zeilen; ++z) messen(z);
    } else {
        for (int z = 0; z < kGemesseneZeilen; ++z) messen(z);
        for (int z = zeilen - kGemesseneZeilen; z < zeilen; ++z) messen(z);
    }
    return bedarf;
}

void Einpassen(QTableView* gitter, int hoechstBreite) {
    const QAbstractItemModel* modell = gitter->model();
    if (!modell) return;
    int summe = 0;
    for (int s = 0; s < modell->columnCount(); ++s) {
        if (gitter->isColumnHidden(s)) continue;
        const int breite = std::max(Spaltenbedarf(gitter, s), gitter->horizontalHeader()->minimumSectionSize());
        gitter->setColumnWidth(s, breite);
        summe += breite;
    }
    if (!gitter->verticalHeader()->isHidden()) summe += gitter->verticalHeader()->width();
    const int rand = 2 * gitter->frameWidth() + gitter->verticalScrollBar()->sizeHint().width() + 2;
    gitter->setMinimumWidth(std::min(summe + rand, hoechstBreite));
}
}  // namespace

void SpaltenEinpassen(QTableView* gitter, int hoechstBreite) {
    gitter->horizontalHeader()->setStretchLastSection(false);
    if (gitter->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        gitter->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Einpassen(gitter, hoechstBreite);
    const QAbstractItemModel* modell = gitter->model();
    if (!modell) return;
    const auto neu = [gitter, hoechstBreite] { Einpassen(gitter, hoechstBreite); };
    // The header goes first when the grid is destroyed, before a model the grid owns
    // (a QTableWidget's) empties itself: no refit reaches a half-destroyed grid.
    const QObject* kontext = gitter->horizontalHeader();
    QObject::connect(modell, &QAbstractItemModel::modelReset, kontext, neu);
    QObject::connect(modell, &QAbstractItemModel::layoutChanged, kontext, neu);
    QObject::connect(modell, &QAbstractItemModel::rowsInserted, kontext, neu);
    QObject::connect(modell, &QAbstractItemModel::dataChanged, kontext, neu);
}

}  // namespace quintaro

#pragma once
// Whether a grid cuts any of its texts: each column's width against the width
// its header and cell texts need in the font they are drawn with, and whether
// columns beyond the visible width can be scrolled to.
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <string>
#include <vector>

namespace quintaro {

// One line per cut text ("G1 Spalte 0 Zeile 3: '10.08.2019' braucht 74, hat 60").
inline std::vector<std::string> AbgeschnitteneZellen(const QTableView& gitter) {
    std::vector<std::string> befunde;
    const QAbstractItemModel* modell = gitter.model();
    if (!modell) return {"kein Modell"};
    // The item delegate leaves this margin on each side of a text.
    const int textrand = gitter.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &gitter) + 1;
    const QHeaderView* kopf = gitter.horizontalHeader();
    const int kopfrand = gitter.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, kopf);
    const auto befund = [&](int spalte, const QString& wo, const QString& text, int braucht) {
        const int hat = gitter.columnWidth(spalte);
        if (braucht > hat)
            befunde.push_back(QStringLiteral("%1 Spalte %2 %3: '%4' braucht %5, hat %6")
                                  .arg(gitter.objectName()).arg(spalte).arg(wo, text).arg(braucht).arg(hat)
                                  .toStdString());
    };
    int summe = 0;
    for (int s = 0; s < modell->columnCount(); ++s) {
        summe += gitter.columnWidth(s);
        if (!kopf->isHidden()) {
            const QString titel = modell->headerData(s, Qt::Horizontal).toString();
            befund(s, QStringLiteral("Kopf"), titel, QFontMetrics(kopf->font()).horizontalAdvance(titel) + 2 * kopfrand);
        }
        for (int z = 0; z < modell->rowCount(); ++z) {
            const QModelIndex index = modell->index(z, s);
            const QString text = index.data().toString();
            if (text.isEmpty()) continue;
            const QVariant schrift = index.data(Qt::FontRole);
            const QFontMetrics masse(schrift.isValid() ? schrift.value<QFont>() : gitter.font());
            befund(s, QStringLiteral("Zeile %1").arg(z), text, masse.horizontalAdvance(text) + 2 * textrand);
        }
    }
    if (summe > gitter.viewport()->width() && gitter.horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
        befunde.push_back(gitter.objectName().toStdString() + ": Spalten breiter als das Gitter, ohne Rollbalken");
    return befunde;
}

}  // namespace quintaro

#include "statistics/ui/statistik_modelle.h"

#include <QBrush>

#include "core/formatierung.h"
#include "core/kombinatorik.h"

namespace quintaro {

TErgebnisModell::TErgebnisModell(QStringList spalten, QObject* eltern)
    : QAbstractTableModel(eltern), spalten_(std::move(spalten)) {}

QVariant TErgebnisModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    switch (rolle) {
        case Qt::DisplayRole: return text(index.row(), index.column());
        case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
        case Qt::BackgroundRole: return QBrush(Qt::white);
        default: return {};
    }
}

QVariant TErgebnisModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung == Qt::Horizontal && rolle == Qt::DisplayRole && abschnitt >= 0 && abschnitt < spalten_.size())
        return spalten_[abschnitt];
    return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
}

QStringList TRangSpalten::Spalten() { return {QStringLiteral("Rang"), QStringLiteral("Kombi"), QStringLiteral("Anz.")}; }

QString TRangSpalten::Text(const TRangZeile& z, int zeile, int spalte) {
    switch (spalte) {
        case 0: return QString::number(zeile + 1);
        case 1: return QString::fromStdString(MengeAlsText(z.zahlen));
        default: return QString::number(z.anz);
    }
}

QStringList TFundSpalten::Spalten() { return {QStringLiteral("Nr."), QStringLiteral("Datum"), QStringLiteral("mit...")}; }

QString TFundSpalten::Text(const TFundstelle& f, int zeile, int spalte) {
    switch (spalte) {
        case 0: return QString::number(zeile + 1);
        case 1: return QString::fromStdString(DatumText(f.datum));
        default: return QString::fromStdString(MengeAlsText(f.mit));
    }
}

}  // namespace quintaro

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

TRanglistenModell::TRanglistenModell(QObject* eltern)
    : TErgebnisModell({QStringLiteral("Rang"), QStringLiteral("Kombi"), QStringLiteral("Anz.")}, eltern) {}

void TRanglistenModell::setzen(std::vector<TRangZeile> zeilen) {
    beginResetModel();
    zeilen_ = std::move(zeilen);
    endResetModel();
}

QString TRanglistenModell::text(int zeile, int spalte) const {
    const TRangZeile& z = zeilen_[std::size_t(zeile)];
    switch (spalte) {
        case 0: return QString::number(zeile + 1);
        case 1: return QString::fromStdString(MengeAlsText(z.zahlen));
        default: return QString::number(z.anz);
    }
}

TFundModell::TFundModell(QObject* eltern)
    : TErgebnisModell({QStringLiteral("Nr."), QStringLiteral("Datum"), QStringLiteral("mit...")}, eltern) {}

void TFundModell::setzen(std::vector<TFundstelle> funde) {
    beginResetModel();
    funde_ = std::move(funde);
    endResetModel();
}

QString TFundModell::text(int zeile, int spalte) const {
    const TFundstelle& f = funde_[std::size_t(zeile)];
    switch (spalte) {
        case 0: return QString::number(zeile + 1);
        case 1: return QString::fromStdString(DatumText(f.datum));
        default: return QString::fromStdString(MengeAlsText(f.mit));
    }
}

}  // namespace quintaro

#include "quotas/ui/quotenmodell.h"

#include <QColor>

#include "app/ui/texte.h"
#include "core/spielregeln.h"

namespace quintaro {

void QuotenModell::setzeZeilen(std::vector<QuotenZeile> zeilen) {
    beginResetModel();
    zeilen_ = std::move(zeilen);
    endResetModel();
}

bool QuotenModell::ersetze(int zeile, const std::array<std::string, 9>& eingaben) {
    if (zeile < 0 || zeile >= rowCount()) return false;
    if (!QuotenErsetzen(zeilen_[std::size_t(zeile)], eingaben)) return false;
    emit dataChanged(index(zeile, 1), index(zeile, 8));
    return true;
}

int QuotenModell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : int(zeilen_.size()); }

int QuotenModell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : 9; }

QVariant QuotenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const QuotenZeile& z = zeilen_[std::size_t(index.row())];
    switch (rolle) {
        case Qt::DisplayRole:
            return AlsQString(index.column() == 0 ? z.datum : z.quote[std::size_t(index.column())]);
        case Qt::TextAlignmentRole: return int(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::BackgroundRole: return QColor(Qt::white);
        default: return {};
    }
}

QVariant QuotenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole) return QAbstractTableModel::headerData(abschnitt, richtung, rolle);
    return abschnitt == 0 ? QStringLiteral("Ziehung") : AlsQString(KlassenTitel[std::size_t(abschnitt)]);
}

}  // namespace quintaro

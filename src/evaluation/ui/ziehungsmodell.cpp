#include "evaluation/ui/ziehungsmodell.h"

#include "core/formatierung.h"

namespace quintaro {

void ZiehungsModell::setzeZiehungen(std::vector<TGewZahlen> ziehungen) {
    beginResetModel();
    ziehungen_ = std::move(ziehungen);
    endResetModel();
}

QVariant ZiehungsModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    if (rolle == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (rolle != Qt::DisplayRole) return {};
    const TGewZahlen& z = ziehung(index.row());
    if (index.column() == 0) return QString::fromStdString(DatumText(z.datum));
    if (index.column() == 7) return int(z.ZZ);
    return int(z.GZ[std::size_t(index.column())]);
}

QVariant ZiehungsModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (rolle != Qt::DisplayRole || richtung != Qt::Horizontal) return {};
    if (abschnitt == 0) return QStringLiteral("Datum");
    if (abschnitt == 7) return QStringLiteral("ZZ");
    return QStringLiteral("Z%1").arg(abschnitt);
}

}  // namespace quintaro

#pragma once
// The draw grid: date, six numbers and the Zusatzzahl, newest on top.
#include <QAbstractTableModel>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

class ZiehungsModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setzeZiehungen(std::vector<TGewZahlen> ziehungen);
    // The draw shown in a row.
    const TGewZahlen& ziehung(int zeile) const { return ziehungen_[ziehungen_.size() - 1 - std::size_t(zeile)]; }

    int rowCount(const QModelIndex& = {}) const override { return int(ziehungen_.size()); }
    int columnCount(const QModelIndex& = {}) const override { return 8; }
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    std::vector<TGewZahlen> ziehungen_;  // file order; row 0 shows the last
};

}  // namespace quintaro

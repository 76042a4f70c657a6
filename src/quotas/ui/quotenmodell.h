#pragma once
// The quota editor's grid: the draw date and the eight class quotas of every
// row, headed by the class titles.
#include <QAbstractTableModel>
#include <vector>

#include "quotas/quotenraster.h"

namespace quintaro {

class QuotenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzeZeilen(std::vector<QuotenZeile> zeilen);
    const std::vector<QuotenZeile>& zeilen() const { return zeilen_; }
    // Replaces the typed quotas of one row; whether a cell changed.
    bool ersetze(int zeile, const std::array<std::string, 9>& eingaben);

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    std::vector<QuotenZeile> zeilen_;
};

}  // namespace quintaro

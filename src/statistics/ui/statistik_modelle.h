#pragma once
// Table models of the result grids: the rankings ("Rang", "Kombi", "Anz.") and
// the draws found by the combination search ("Nr.", "Datum", "mit...").
// Data cells are centred on white.
#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

#include "statistics/statistik.h"

namespace quintaro {

class TErgebnisModell : public QAbstractTableModel {
    Q_OBJECT
public:
    TErgebnisModell(QStringList spalten, QObject* eltern);
    int columnCount(const QModelIndex& = {}) const override { return int(spalten_.size()); }
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

protected:
    virtual QString text(int zeile, int spalte) const = 0;

private:
    QStringList spalten_;
};

class TRanglistenModell final : public TErgebnisModell {
    Q_OBJECT
public:
    explicit TRanglistenModell(QObject* eltern);
    void setzen(std::vector<TRangZeile> zeilen);
    int rowCount(const QModelIndex& = {}) const override { return int(zeilen_.size()); }

private:
    QString text(int zeile, int spalte) const override;
    std::vector<TRangZeile> zeilen_;
};

class TFundModell final : public TErgebnisModell {
    Q_OBJECT
public:
    explicit TFundModell(QObject* eltern);
    void setzen(std::vector<TFundstelle> funde);
    int rowCount(const QModelIndex& = {}) const override { return int(funde_.size()); }

private:
    QString text(int zeile, int spalte) const override;
    std::vector<TFundstelle> funde_;
};

}  // namespace quintaro

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

// The rows of one kind: Art gives the column titles and the text of a cell.
template <typename Zeile, typename Art>
class TListenModell final : public TErgebnisModell {
public:
    explicit TListenModell(QObject* eltern) : TErgebnisModell(Art::Spalten(), eltern) {}
    void setzen(std::vector<Zeile> zeilen) {
        beginResetModel();
        zeilen_ = std::move(zeilen);
        endResetModel();
    }
    int rowCount(const QModelIndex& = {}) const override { return int(zeilen_.size()); }

private:
    QString text(int zeile, int spalte) const override { return Art::Text(zeilen_[std::size_t(zeile)], zeile, spalte); }
    std::vector<Zeile> zeilen_;
};

struct TRangSpalten {
    static QStringList Spalten();
    static QString Text(const TRangZeile& z, int zeile, int spalte);
};

struct TFundSpalten {
    static QStringList Spalten();
    static QString Text(const TFundstelle& f, int zeile, int spalte);
};

using TRanglistenModell = TListenModell<TRangZeile, TRangSpalten>;
using TFundModell = TListenModell<TFundstelle, TFundSpalten>;

}  // namespace quintaro

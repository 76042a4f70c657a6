#pragma once
// The row grid of the system selection: "Reihe", "Z1".."Z6"; bold, centred;
// a number that is a chosen banker number at drawing time is shaded light green.
// Texts are made only for the cells on screen, so 924 rows appear at once.
#include <QAbstractTableModel>
#include <QFont>
#include <array>
#include <cstdint>
#include <vector>

#include "core/scheindateien.h"
#include "core/zahlenmenge.h"

namespace quintaro {

class Tippreihenmodell : public QAbstractTableModel {
    Q_OBJECT
public:
    using Reihe = std::array<std::uint8_t, 6>;
    // `bankSet` is read at every drawing; it must outlive the model.
    explicit Tippreihenmodell(const TZahlenMenge& bankSet, QObject* eltern = nullptr);

    void setzeReihen(std::vector<Reihe> reihen);
    // The banker numbers changed: the shading is drawn anew.
    void bankzahlenGeaendert();
    // The grid as ticket files take it.
    TippTabelle tabelle() const;
    // What cell (zeile, spalte) shows: the row number in column 0, else a number of the row.
    int zahl(int zeile, int spalte) const;
    bool istBankzahl(int zeile, int spalte) const;

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const TZahlenMenge& bankSet_;
    std::vector<Reihe> reihen_;
    QFont fett_;
};

}  // namespace quintaro

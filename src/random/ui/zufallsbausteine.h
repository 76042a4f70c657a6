#pragma once
// The small parts of the random tips window: the number buttons of the role
// panels with their four looks, and the model of the grid of random rows.
#include <QAbstractTableModel>
#include <QColor>
#include <QToolButton>
#include <optional>
#include <vector>

#include "random/zufallsreihen.h"

namespace quintaro {

// Colours of banker numbers and favourites in the grid and on the count plates.
extern const QColor BankGitterFarbe;
extern const QColor FavoritGitterFarbe;
extern const QColor BankPlattenFarbe;
extern const QColor FavoritPlattenFarbe;

// A bold number on a button; Tag = number + 100 × role panel.
class TBZufall : public QToolButton {
    Q_OBJECT
public:
    TBZufall(int zahl, int panel, QWidget* eltern);
    const int Tag;

    // No role is the normal look.
    void setzeAussehen(std::optional<Rolle> rolle);
    std::optional<Rolle> aussehen() const { return aussehen_; }

private:
    std::optional<Rolle> aussehen_;
};

// The rows of the grid "Reihe", "Z1".."Z6"; texts are made only for the cells
// on screen. Cells of banker numbers and favourites are shaded by the roles
// as they are when painted.
class TZufallsModell : public QAbstractTableModel {
    Q_OBJECT
public:
    TZufallsModell(const TZufallsrollen& rollen, QObject* eltern);

    void setzeReihen(const std::vector<TZufallsreihe>* reihen);
    // Repaints the shading after a role changed.
    void rollenGeaendert();

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    const TZufallsrollen& rollen_;
    const std::vector<TZufallsreihe>* reihen_ = nullptr;
};

}  // namespace quintaro

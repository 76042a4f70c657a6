#include "systems/ui/tippreihenmodell.h"

#include <QColor>

#include "app/ui/texte.h"
#include "systems/systemanwenden.h"
#include "systems/ui/zahlplatten.h"

namespace quintaro {

Tippreihenmodell::Tippreihenmodell(const TZahlenMenge& bankSet, QObject* eltern)
    : QAbstractTableModel(eltern), bankSet_(bankSet) {
    fett_.setBold(true);
}

void Tippreihenmodell::setzeReihen(std::vector<Reihe> reihen) {
    beginResetModel();
    reihen_ = std::move(reihen);
    endResetModel();
}

void Tippreihenmodell::bankzahlenGeaendert() {
    if (!reihen_.empty()) emit dataChanged(index(0, 1), index(rowCount() - 1, TippSpalten - 1), {Qt::BackgroundRole});
}

TippTabelle Tippreihenmodell::tabelle() const { return AlsTipptabelle(reihen_); }

int Tippreihenmodell::zahl(int zeile, int spalte) const {
    return spalte == 0 ? zeile + 1 : reihen_[std::size_t(zeile)][std::size_t(spalte - 1)];
}

bool Tippreihenmodell::istBankzahl(int zeile, int spalte) const {
    return spalte > 0 && bankSet_.enthaelt(reihen_[std::size_t(zeile)][std::size_t(spalte - 1)]);
}

int Tippreihenmodell::rowCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : int(reihen_.size()); }

int Tippreihenmodell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : TippSpalten; }

QVariant Tippreihenmodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const int zeile = index.row(), spalte = index.column();
    switch (rolle) {
        case Qt::DisplayRole: return zahl(zeile, spalte);
        case Qt::FontRole: return fett_;
        case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
        case Qt::BackgroundRole:
            if (spalte == 0) return {};
            return istBankzahl(zeile, spalte) ? AussehenFarbe(Zahlaussehen::Bankzahl) : QColor(Qt::white);
        default: return {};
    }
}

QVariant Tippreihenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || abschnitt < 0 || abschnitt >= TippSpalten) return {};
    static const TippTabelle kopf = [] {
        TippTabelle t;
        ReihenKopf(t);
        return t;
    }();
    return AlsQString(kopf[0][std::size_t(abschnitt)]);
}

}  // namespace quintaro

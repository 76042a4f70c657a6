#include "evaluation/ui/tabellenmodelle.h"
#include "app/ui/texte.h"

#include <QFont>
#include <QHeaderView>
#include <QTableView>

#include "app/ui/spaltenbreiten.h"

namespace quintaro {

const QColor BankzahlFarbe(0xC8, 0xF0, 0xC8);
const QColor HoechstgewinnFarbe(0xA6, 0xCA, 0xF0);

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }

QFont Fett() {
    QFont f;
    f.setBold(true);
    return f;
}
}  // namespace

QTableView* Reihentabelle(ReihenModell* modell, const char* name, QWidget* eltern) {
    auto* tabelle = new QTableView(eltern);
    tabelle->setObjectName(QString::fromLatin1(name));
    tabelle->setModel(modell);
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle->verticalHeader()->setDefaultSectionSize(20);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SpaltenEinpassen(tabelle);
    return tabelle;
}

void ReihenModell::setzeReihen(TippTabelle reihen, TZahlenMenge bankzahlen) {
    beginResetModel();
    reihen_ = std::move(reihen);
    bankzahlen_ = bankzahlen;
    endResetModel();
}

int ReihenModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() || reihen_.empty() ? 0 : int(reihen_.size()) - 1;
}

int ReihenModell::columnCount(const QModelIndex& eltern) const { return eltern.isValid() ? 0 : TippSpalten; }

QVariant ReihenModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    const std::string& zelle = Zelle(reihen_, std::size_t(index.row()) + 1, std::size_t(index.column()));
    switch (rolle) {
        case Qt::DisplayRole: return Text(zelle);
        case Qt::FontRole: return Fett();
        case Qt::TextAlignmentRole: return int(Qt::AlignCenter);
        case Qt::BackgroundRole: {
            if (index.column() == 0 || bankzahlen_.leer()) return QColor(Qt::white);
            bool zahl = false;
            const int wert = Text(zelle).toInt(&zahl);
            return zahl && bankzahlen_.enthaelt(wert) ? BankzahlFarbe : QColor(Qt::white);
        }
        default: return {};
    }
}

QVariant ReihenModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole || reihen_.empty()) return {};
    return Text(Zelle(reihen_, 0, std::size_t(abschnitt)));
}

void ErgebnisModell::setzeErgebnis(Auswertung ergebnis) {
    beginResetModel();
    ergebnis_ = std::move(ergebnis);
    endResetModel();
}

int ErgebnisModell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(ergebnis_.zeilen.size());
}

int ErgebnisModell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : int(ErgebnisKopf.size());
}

QVariant ErgebnisModell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid()) return {};
    switch (rolle) {
        case Qt::DisplayRole: return Text(ErgebnisZelle(ergebnis_.zeilen[std::size_t(index.row())], index.column()));
        case Qt::FontRole: return index.column() > 0 ? QVariant(Fett()) : QVariant();
        case Qt::TextAlignmentRole:
            return index.column() > 0 ? int(Qt::AlignCenter) : int(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::BackgroundRole:
            return index.row() + 1 == ergebnis_.hoechstgewinnZeile ? HoechstgewinnFarbe : QColor(Qt::white);
        default: return {};
    }
}

QVariant ErgebnisModell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole) return {};
    const auto text = ErgebnisKopf[std::size_t(abschnitt)];
    return AlsQString(text);
}

}  // namespace quintaro

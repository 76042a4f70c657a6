#pragma once
// Table models of the evaluation frames: the ticket rows (with banker numbers
// shaded) and the result lines of an evaluation (the highest win shaded).
// Texts are produced only for the cells on screen, so tickets of hundreds of
// rows and results of hundreds of thousands of lines stay quick.
#include <QAbstractTableModel>
#include <QColor>

class QTableView;

#include "core/scheindateien.h"
#include "evaluation/gewinnauswertung.h"

namespace quintaro {

extern const QColor BankzahlFarbe;
extern const QColor HoechstgewinnFarbe;

class ReihenModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzeReihen(TippTabelle reihen, TZahlenMenge bankzahlen = {});
    const TippTabelle& reihen() const { return reihen_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    TippTabelle reihen_;
    TZahlenMenge bankzahlen_;
};

// A read-only view of tip rows: the label column 45 pixels wide, no row header.
QTableView* Reihentabelle(ReihenModell* modell, const char* name, QWidget* eltern);

class ErgebnisModell : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setzeErgebnis(Auswertung ergebnis);
    const Auswertung& ergebnis() const { return ergebnis_; }

    int rowCount(const QModelIndex& eltern = {}) const override;
    int columnCount(const QModelIndex& eltern = {}) const override;
    QVariant data(const QModelIndex& index, int rolle) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

private:
    Auswertung ergebnis_;
};

}  // namespace quintaro

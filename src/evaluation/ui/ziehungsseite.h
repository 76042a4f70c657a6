#pragma once
// The draw side of the main window: the draw chooser with its number picker,
// adding and correcting draws, and the grid of all, Sunday or Wednesday draws.
#include <QWidget>
#include <array>

#include "evaluation/ziehungserfassung.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace quintaro {

class TBZahl;
class ZiehungsModell;

class Ziehungsseite : public QWidget {
    Q_OBJECT
public:
    explicit Ziehungsseite(QWidget* eltern = nullptr);

    // Loads "GZ.645" into the history, fills the chooser and the grid and
    // selects the newest draw. Also the reload after a download.
    void GZEinlesen();
    // The chooser's items (the frames of the evaluation side copy them).
    QStringList auswahlTexte() const;

    // Controls, named as in the window's design; tests drive them.
    QComboBox* Combo1;
    QLabel* LDay;
    QLabel* Label5;
    QPushButton* BDel;
    QPushButton* BSpeichern;  // "S&peichern"
    QPushButton* BHinzu;
    QPushButton* BInfo;
    QPushButton* BErgebnisse;  // results page
    QTableView* G1;
    QLabel* LZT;
    QButtonGroup* RGV;
    std::array<TBZahl*, 46> PNummer{};  // [1..45]

    const Zahlenwahl& wahl() const { return wahl_; }

signals:
    // The history was loaded or saved: the lists must be rebuilt.
    void ziehungenGeaendert();
    // The chooser's items changed (loading, saving, adding mode).
    void auswahlGeaendert();
    // The user agreed to download the missing draws.
    void downloadGewuenscht();

public slots:
    void BLotAuswerten(int a);
    void BDelClick();
    void BHinzuClick();
    void SpeichernClick();
    void RGVClick(int ansicht);

private:
    void Combo1Change(int index);
    void G1Click(const QModelIndex& zelle);
    void WochentagZeigen(TDatum datum);
    void zeigeAenderungen(const Zahlenwahl::Aenderungen& aenderungen);
    void fuelleAuswahl();
    void zeigeAnsicht(int ansicht);

    Zahlenwahl wahl_;
    Ziehungserfassung erfassung_;
    ZiehungsModell* modell_;
};

}  // namespace quintaro

#pragma once
// The system selection: filter the catalogue, pick a system, choose its
// numbers, expand it into tip rows, save or export them, and test the system.
// Lives as long as the program; closing only hides it.
#include <QMainWindow>
#include <array>
#include <random>

#include "core/spielregeln.h"
#include "systems/systemwahl.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTableView;
class QToolButton;

namespace quintaro {

class Systemtestseite;
class TBLot;
class TBVerteilNr;
class TBVerteilW;
class Tippreihenmodell;

class TFSystemwahl : public QMainWindow {
    Q_OBJECT
public:
    explicit TFSystemwahl(QWidget* eltern = nullptr);
    ~TFSystemwahl() override;

    const TSystemwahl& wahl() const { return wahl_; }
    const Tippreihenmodell& reihenModell() const { return *reihen_; }
    // Clicking line `zeile` of the list, as the mouse does.
    void l1ListBoxClick(int zeile);
    void BLotUrClick(int zahl);
    void BZufallClick();
    void BLoeschenClick();
    void BTRBildenClick();
    void VerteilungClick();
    void BSpeichernClick();
    void BCSVClick();
    void BExcelClick();

    // Filter
    QSlider* Slider1;
    QSlider* Slider3;
    QSlider* Slider4;
    QSlider* Slider5;
    QLabel* LSlider1;
    QLabel* LSlider3;
    QLabel* LSlider4;
    QLabel* LSlider5;
    QLabel* LHinweis4;
    QCheckBox* cb1;
    QCheckBox* cb3;
    QCheckBox* cb4;
    QCheckBox* cb5;
    std::array<QRadioButton*, 2> Radio3{};
    std::array<QRadioButton*, 2> Radio5{};
    QToolButton* BInfo3;
    QToolButton* BInfo4;
    QPushButton* BFiltern;
    QPushButton* BFilternEx;
    QCheckBox* cbNur;
    QLabel* LSysAnz;
    QLabel* Img1;
    QListWidget* l1;

    // Page "Tippreihen bilden"
    QTabWidget* PC1;
    QWidget* Tab1;
    Systemtestseite* Tab2;
    QLabel* LSysBeschreibung;
    QLabel* PWZ;
    QLabel* PBZ2;
    std::array<TBLot*, MaxZahl + 1> lot{};
    QPushButton* BZufall;
    QToolButton* BLoeschen;
    QLabel* PWZ2;
    QLabel* PBZ3;
    QCheckBox* cbKill;
    QPushButton* Label23;  // "(festlegen)"
    QPushButton* BTRBilden;
    QPushButton* bsSkinSpeedButton5;  // "Verteilung anzeigen"
    std::array<TBVerteilNr*, MaxZahl + 1> BStatNr{};
    std::array<TBVerteilW*, MaxZahl + 1> BStatW{};
    QTableView* G1;
    QLabel* Label9;
    QPushButton* BSpeichern;
    QPushButton* bsSkinSpeedButton1;  // "Zum Systemtest"
    QPushButton* BCSV;
    QPushButton* BExcel;
    QPushButton* bsSkinSpeedButton3;  // "Schließen"
    QLabel* LDatei;

    static const QColor Gruen;
    static const QColor Hellrot;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QWidget* FilterAufbauen();
    QWidget* ReihenseiteAufbauen();
    QWidget* Zahlenaufbauen();
    QWidget* PlattenBauen();
    void Verbinden();

    void FilterZeigen();
    void BFilternClick();
    void ZaehlerZeigen(bool nachSystemwahl);
    void BallsZeigen();
    void PlattenLeeren();
    void Anwenden(bool reihenBilden);
    void Speichern(bool alsCsv);
    void EinstellungenLesen();
    void EinstellungenSchreiben();

    TSystemwahl wahl_;
    Tippreihenmodell* reihen_;
    std::mt19937_64 zufall_;
    bool gezeigt_ = false;  // set at the end of the first show
};

}  // namespace quintaro

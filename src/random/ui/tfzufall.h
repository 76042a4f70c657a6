#pragma once
// The random tip window: banker numbers, quota killers and favourites chosen
// on three panels, the wanted number of rows, the rows in a grid beside the
// distribution of their numbers, saved as a ticket or CSV file or exported.
// The window is destroyed when closed; the quota killers outlive it.
//
// Rows are drawn on a worker thread; meanwhile the choices are locked, the
// progress shows and the run can be stopped. Closing stops it too.
#include <QMainWindow>
#include <array>
#include <atomic>
#include <thread>

#include "core/spielregeln.h"
#include "random/zufallsreihen.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

namespace quintaro {

class TBStatNr;
class TBStatW;
class TBZufall;
class TZufallsModell;
struct Dateifrage;

class TFZufall : public QMainWindow {
    Q_OBJECT
public:
    explicit TFZufall(QWidget* eltern = nullptr);
    ~TFZufall() override;

    void BLotAuswerten(int code);
    void BLotUrClick(TBZufall* knopf);
    void BStartClick();
    void BAufClick();

    const TZufallsrollen& rollen() const { return rollen_; }
    const TZufallsergebnis& ergebnis() const { return ergebnis_; }
    bool LaufAktiv() const { return laeuft_; }
    bool Sortiert() const { return sortiert_; }

    std::array<QGroupBox*, 4> P{};                       // [1..3]
    std::array<std::array<TBZufall*, MaxZahl + 1>, 4> BZuf{};  // [panel][number]
    std::array<QPushButton*, 4> BDel{};                  // [1..3]
    QLineEdit* EAnz;
    QPushButton* BStart;
    QPushButton* BStopp;
    QProgressBar* Gauge;
    QLabel* LReihen;
    QTableView* GZuf;
    QLabel* LDatei;
    QPushButton* BSave;
    QPushButton* BCSV;
    QPushButton* BExcel;
    QPushButton* BClose;
    QGroupBox* PVert;
    QPushButton* BAuf;
    std::array<TBStatNr*, MaxZahl + 1> BStatNr{};
    std::array<TBStatW*, MaxZahl + 1> BStatW{};
    std::array<QPoint, MaxZahl + 1> ENrEcke{};

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QGroupBox* TafelBauen(int a);
    void PlattenBauen();
    void EinstellungenLesen();
    void EinstellungenSchreiben() const;
    void ZahlZeigen(int n);
    void PlattenZeigen();
    void PlattenAnordnen();
    void LaufFertig(TZufallsergebnis ergebnis);
    void LaufBeenden();
    void Sperren(bool gesperrt);
    void Speichern(Dateifrage frage);
    void BExcelClick();

    TZufallsrollen rollen_;
    TZufallsgenerator generator_;  // used by the worker while a run lasts
    TZufallsergebnis ergebnis_;    // what the grid and the plates show
    TZufallsModell* modell_;
    std::array<int, MaxZahl> anordnung_{};  // the number of each distribution slot
    bool sortiert_ = false;
    bool laeuft_ = false;
    std::atomic<bool> stopp_{false};
    std::thread lauf_;
};

}  // namespace quintaro

#pragma once
// The controls of one view of the statistics window (Tag = view 0, 1 or 2):
// plates, period, presets, absences, the ranking grids and the combination
// search. The window fills them and handles their events.
#include <QWidget>
#include <array>

#include "core/spielregeln.h"
#include "statistics/statistik.h"
#include "statistics/ui/statistik_modelle.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTableView;
class QTableWidget;
class QTabWidget;
class QToolButton;

namespace quintaro {

class TBKombi;
class TBStatNr;
class TBStatW;

class TFfrStatistik : public QWidget {
    Q_OBJECT
public:
    TFfrStatistik(int ansicht, QWidget* eltern);
    const int Tag;

    // Number plate n and count plate n beside it, slot by slot; ENrEcke[n] is
    // where slot n's number plate sits.
    void PlattenBauen(const std::array<int, MaxZahl + 1>& anzahl);
    void ZaehlerSetzen(const std::array<int, MaxZahl + 1>& anzahl);
    void PlattenAnordnen(const std::array<int, MaxZahl>& anordnung);
    // The sort button's look and hint tell the order the plates stand in.
    void SortierungZeigen(bool nachHaeufigkeit);

    QGroupBox* GrLeft;
    QWidget* P1;
    QToolButton* BAuf;
    QComboBox* combo1;
    QComboBox* combo2;
    QToolButton* BStart;
    QLabel* LZie;
    QGroupBox* RGLetzte;
    std::array<QRadioButton*, AnzahlVorgaben> letzteX{};
    QTableWidget* GAus;
    QTabWidget* PC;
    std::array<QTableView*, 8> GKombi{};  // [1..7]
    std::array<QGroupBox*, 7> kombiGruppe{};  // [1..6], around GKombi1..6
    std::array<TRanglistenModell*, 7> ranglisten{};  // [1..6]
    TFundModell* funde;
    QPushButton* BStart3;
    QPushButton* BStart2;
    QProgressBar* Gauge1;
    QProgressBar* Gauge2;
    QWidget* PNr;
    std::array<TBKombi*, MaxZahl + 1> BNr{};
    QPushButton* BSuche;
    QToolButton* BDel;
    QCheckBox* cbAuch;
    QLabel* LErg;
    std::array<TBStatNr*, MaxZahl + 1> BStatNr{};
    std::array<TBStatW*, MaxZahl + 1> BStatW{};
    std::array<QPoint, MaxZahl + 1> ENrEcke{};

private:
    QWidget* ranglistenSeite(int erstesGitter, int k);
    QWidget* suchSeite();
};

}  // namespace quintaro

#pragma once
// Entering an official system ticket as on paper: first the system, then its
// banker numbers and Wahlzahlen, crossed on the drawn ticket form; saved as or
// opened from a system ticket file.
#include <QMainWindow>

#include "systems/systemscheineingabe.h"

class QLabel;
class QPushButton;
class QTimer;

namespace quintaro {

class Scheinbild;

class TFEingabeSys : public QMainWindow {
    Q_OBJECT
public:
    explicit TFEingabeSys(QWidget* eltern = nullptr);

    void TrefferVerwerten(int z, Kreuzart was);
    void AnzeigeKontrollieren();
    void NeuerSchein();
    void BDelClick();
    void BSaveClick();
    void BOpenClick();

    const SystemscheinEingabe& eingabe() const { return eingabe_; }
    bool automatikLaeuft() const;

    Scheinbild* IMG1;
    QLabel* PSys;
    QLabel* PBZmuss;
    QLabel* PWZmuss;
    QLabel* PBZGew;
    QLabel* PWZgew;
    QLabel* LDatei;
    QPushButton* BSave;
    QPushButton* BOpen;
    QPushButton* BDel;
    QPushButton* bsSkinSpeedButton1;

    static const QColor Passend;
    static const QColor Zuviel;

private:
    void AutomatikSchritt();

    SystemscheinEingabe eingabe_;
    QTimer* automatik_;
};

}  // namespace quintaro

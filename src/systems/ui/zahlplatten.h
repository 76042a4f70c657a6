#pragma once
// The number balls of the number choice and the plates of the distribution
// display; both show the looks of a number: normal, Wahlzahl, banker number.
#include <QLabel>
#include <QToolButton>

#include "systems/zahlenwahl.h"

namespace quintaro {

// The colours of the looks, shared with the row grid's banker cells.
QColor AussehenFarbe(Zahlaussehen aussehen);

// A number ball: caption and Tag are its number; named "lot" + number.
class TBLot : public QToolButton {
    Q_OBJECT
public:
    TBLot(int zahl, QWidget* eltern);
    void setzeAussehen(Zahlaussehen aussehen);
    Zahlaussehen aussehen() const { return aussehen_; }
    int Tag;

private:
    Zahlaussehen aussehen_ = Zahlaussehen::Normal;
};

// Number plate of the distribution display: the number; named "BStatNr" + number.
class TBVerteilNr : public QLabel {
    Q_OBJECT
public:
    TBVerteilNr(int zahl, QWidget* eltern);
    int Tag;
};

// Count plate: how many rows hold its number; named "BStatW" + number. The
// blank look has no caption.
class TBVerteilW : public QLabel {
    Q_OBJECT
public:
    TBVerteilW(int zahl, QWidget* eltern);
    void setzen(int anzahl, Zahlaussehen aussehen);
    Zahlaussehen aussehen() const { return aussehen_; }
    int Tag;

private:
    Zahlaussehen aussehen_ = Zahlaussehen::Normal;
};

}  // namespace quintaro

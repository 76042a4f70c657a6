#pragma once
// A number button of the main window's picker with its three looks.
#include <QPushButton>

#include "evaluation/ziehungserfassung.h"

namespace quintaro {

class TBZahl : public QPushButton {
    Q_OBJECT
public:
    TBZahl(int zahl, QWidget* eltern);
    int zahl() const { return zahl_; }
    void setzeAussehen(ZahlAussehen aussehen);
    ZahlAussehen aussehen() const { return aussehen_; }

private:
    int zahl_;
    ZahlAussehen aussehen_ = ZahlAussehen::Normal;
};

}  // namespace quintaro

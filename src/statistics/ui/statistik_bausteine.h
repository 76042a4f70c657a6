#pragma once
// The small controls of the statistics window, each only setting its look:
// number plates, count plates and the number buttons of the combination search.
#include <QLabel>
#include <QToolButton>

namespace quintaro {

// Number plate: a number, light on a dark plate.
class TBStatNr : public QLabel {
    Q_OBJECT
public:
    TBStatNr(int zahl, QWidget* eltern);
    int Tag;
};

// Count plate: how often its number was drawn; bold, centred, sunken.
class TBStatW : public QLabel {
    Q_OBJECT
public:
    TBStatW(int zahl, QWidget* eltern);
    int Tag;
};

// Search number button; checked is the chosen look. Tag = number + 100 × view.
class TBKombi : public QToolButton {
    Q_OBJECT
public:
    TBKombi(int zahl, int ansicht, QWidget* eltern);
    int Tag;
};

}  // namespace quintaro

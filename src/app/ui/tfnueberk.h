#pragma once
// The calculator for the binomial coefficient "n über k".
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quintaro {

class TFNueberK : public QWidget {
    Q_OBJECT
public:
    explicit TFNueberK(QWidget* eltern = nullptr);

    void BCalcClick();

    QLineEdit* e1;  // n
    QLineEdit* e2;  // k
    QLabel* P1;     // the result
    QPushButton* BCalc;
    QPushButton* BClose;
};

}  // namespace quintaro

#pragma once
// The about box: version and the maker's contact lines; the mail line starts
// a message to the maker's service.
#include <QWidget>

class QLabel;
class QPushButton;

namespace quintaro {

class TFInfo : public QWidget {
    Q_OBJECT
public:
    explicit TFInfo(QWidget* eltern = nullptr);

    void LMailClick();

    QLabel* LVersion;
    QLabel* LName;
    QLabel* LStrasse;
    QLabel* LPLZOrt;
    QLabel* LTelefon;
    QLabel* LFax;
    QLabel* LMail;
    QPushButton* BClose;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

}  // namespace quintaro

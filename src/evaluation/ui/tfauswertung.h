#pragma once
// The main window: the draw history on the left, the ticket evaluation on the
// right, the shared toolbar and the menu. Closing it ends the program.
#include <QMainWindow>

namespace quintaro {

class Ziehungsseite;

class TFAuswertung : public QMainWindow {
    Q_OBJECT
public:
    explicit TFAuswertung(QWidget* eltern = nullptr);

    Ziehungsseite* ziehungsseite() const { return ziehungsseite_; }

    // The history changed: rebuild the day lists and statistics.
    void StatistikNeu();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void baueMenue();

    Ziehungsseite* ziehungsseite_;
};

}  // namespace quintaro

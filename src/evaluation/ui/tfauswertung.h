#pragma once
// The main window: the draw history on the left, the ticket evaluation on the
// right, the shared toolbar and the menu. Closing it ends the program.
#include <QMainWindow>

namespace quintaro {

class Auswertungsseite;
class Ziehungsseite;

class TFAuswertung : public QMainWindow {
    Q_OBJECT
public:
    explicit TFAuswertung(QWidget* eltern = nullptr);

    Ziehungsseite* ziehungsseite() const { return ziehungsseite_; }
    Auswertungsseite* auswertungsseite() const { return auswertungsseite_; }

    // The history changed: rebuild the day lists and statistics.
    void StatistikNeu();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void baueMenue();
    void QuotenEinlesen();

    Ziehungsseite* ziehungsseite_;
    Auswertungsseite* auswertungsseite_;
    bool gezeigt_ = false;
};

}  // namespace quintaro

#pragma once
// The start window: shown while the program loads, then cross-faded to the
// main window by "Weiter".
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;

namespace quintaro {

class TFStart : public QWidget {
    Q_OBJECT
public:
    explicit TFStart(QWidget* eltern = nullptr);

    // Enables "Weiter" with the hand cursor (or disables it with the hourglass).
    void setzeInitialisiert(bool initialisiert);
    // The window that "Weiter" fades to.
    void setzeHauptfenster(QWidget* hauptfenster) { hauptfenster_ = hauptfenster; }
    // Milliseconds between the 255 steps of the fade (tests use 0).
    void setzeSchrittdauer(int ms) { schrittMs_ = ms; }

    QLabel* LSysAnz;
    QPushButton* BWeiter;

signals:
    void ueberblendet();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    // Closing the start window is the same as "Weiter": it fades to the main window.
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void weiter();
    void ueberblenden();

    QPointer<QWidget> hauptfenster_;
    int schrittMs_ = 3;
    int schritt_ = 0;
    bool initialisiert_ = false;
    bool blendet_ = false;
    bool fertig_ = false;
};

// The start window's creation steps that concern the whole program: program
// folder, temporary download file, data folder, catalogue, screen, locale.
void ProgrammwerteBestimmen();

}  // namespace quintaro

#pragma once
// The page "Tippreihen testen" of the system selection: how good the selected
// system is, independently of the chosen numbers. The test runs on a thread
// of its own with a progress bar; a click on "Test stoppen" ends it, a second
// test cannot start inside the first, and destroying the page stops it.
#include <QWidget>
#include <atomic>
#include <functional>
#include <thread>

#include "systems/systemtest.h"
#include "systems/zeilensortierung.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableWidget;

namespace quintaro {

class Bankzahlbild;

class Systemtestseite : public QWidget {
    Q_OBJECT
public:
    using Testlauf = std::function<Systemtestergebnis(int index, const Systemtestoptionen& optionen)>;

    explicit Systemtestseite(QWidget* eltern = nullptr);
    ~Systemtestseite() override;

    // The selected catalogue entry (-1: none).
    void setzeSystem(int index) { index_ = index; }
    // The operation count of the selected system; empty before a selection.
    void PC1Change();
    void BTestenClick();
    // Stops a running test and waits for its thread.
    void TestBeenden();
    bool testLaeuft() const { return laeuft_; }
    // The test itself; the system test of the catalogue unless replaced.
    void setzeTestlauf(Testlauf lauf) { testlauf_ = std::move(lauf); }
    void BildDruckenClick();

    QTableWidget* G2;
    QPushButton* BTesten;
    QLabel* LKombiAnz;
    QProgressBar* Gauge1;
    QWidget* PImage;
    Bankzahlbild* Image1;
    QPushButton* bsSkinSpeedButton2;  // closes the picture
    QPushButton* bsSkinSpeedButton4;  // prints it
    QPushButton* bsSkinSpeedButton7;  // "Zurück"
    QPushButton* Image3;              // current winning numbers on the web

signals:
    void zurueck();

private:
    void gitterZeigen(const Tabelle& gitter);
    void testFertig(int lauf, const Systemtestergebnis& ergebnis, const std::string& fehler);
    void knopfZeigen();
    void bildZeigen(bool ja);
    void Image3Click();

    int index_ = -1;
    bool laeuft_ = false;
    int lauf_ = 0;  // number of the latest test
    std::atomic<bool> stopp_{false};
    std::thread test_;
    Testlauf testlauf_;
    QStackedWidget* stapel_;
};

}  // namespace quintaro

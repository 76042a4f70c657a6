#pragma once
// The download and update window: checks for a newer program version, fetches
// its installer package and hands it to the desktop's package installer, and
// brings the draw history up to date from the maker's server.
#include <QWidget>
#include <filesystem>
#include <functional>

#include "online/download.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace quintaro {

class Herunterlader;

class TFUpdate : public QWidget {
    Q_OBJECT
public:
    explicit TFUpdate(QWidget* eltern = nullptr);
    ~TFUpdate() override;

    // Controls, named as in the window's design; tests drive them.
    QPushButton* BCalc;
    QLabel* PiVersion;
    QLabel* PvVersion;
    QPushButton* BDown;
    QPushButton* BSetup;
    QLabel* LStandSo;
    QLabel* LStandMi;
    QLabel* LAktuellSo;
    QLabel* LAktuellMi;
    QPushButton* Bupdate;
    QProgressBar* Gauge;        // progress of the draw download
    QPushButton* BAbbrechen;    // stops the running download
    QPushButton* BSchliessen;

    bool DownloadLaeuft() const;

    void BCalcClick();
    void BDownClick();
    void BSetupClick();
    void BupdateClick();

protected:
    void showEvent(QShowEvent* ereignis) override;

private:
    // Runs the draw download; `danach` learns whether a history is loaded
    // afterwards (not called when the user stopped the download).
    void ZiehungenHerunterladen(std::function<void(bool)> danach);
    void ZiehungenFertig(const Downloadergebnis& ergebnis);
    void HistorieNeuLaden();
    void StatusZeigen();
    void FormShow();

    void starte(const std::string& datei, const std::filesystem::path& ziel, std::uint64_t grenze,
                std::function<void(const Downloadergebnis&)> fertig, bool mitSanduhr);
    void Beschaeftigt(bool ja);

    Herunterlader* herunterlader_;
    std::function<void(const Downloadergebnis&)> beiFertig_;
    std::function<void(bool)> nachZiehungen_;
    std::string server_;
    int zeitlimitMs_;
    bool sanduhr_ = false;
    bool andereVersion_ = false;
    bool installerDa_ = false;
    bool downloadSinnvoll_ = false;
};

}  // namespace quintaro

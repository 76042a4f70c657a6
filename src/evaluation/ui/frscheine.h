#pragma once
// The evaluation frames of the main window's tabs: TFFrScheineN for a normal
// ticket file (its rows in a grid), TFFrScheine for a system ticket file (the
// ticket form with its crosses, or the rows it expands into).
#include <filesystem>
#include <vector>

#include "core/datensaetze.h"
#include "evaluation/ui/auswertungsrahmen.h"

class QStackedWidget;

namespace quintaro {

class ReihenModell;
class Scheinbild;

class TFFrScheineN : public AuswertungsRahmen {
    Q_OBJECT
public:
    explicit TFFrScheineN(QWidget* eltern = nullptr);
    // Reads the rows of a normal ticket file. Throws DateiFehler.
    void DateiLaden(const std::filesystem::path& datei);
    const TippTabelle& reihen() const override;

    QLabel* LDatei;
    QLabel* LReihen;
    QTableView* G3;

private:
    ReihenModell* reihenModell_;
};

class TFFrScheine : public AuswertungsRahmen {
    Q_OBJECT
public:
    explicit TFFrScheine(QWidget* eltern = nullptr);
    // Reads a system ticket file, shows its form with the crosses and expands it
    // into rows; the banker set is appended to `bankMengen`. Throws DateiFehler.
    void DateiLaden(const std::filesystem::path& datei, std::vector<TZahlenMenge>& bankMengen);
    const TippTabelle& reihen() const override;
    // The index of this ticket's banker set in the page's list (`G4`.`Tag`).
    int bankIndex() const { return bankIndex_; }

    void BAlsReihenClick();
    void BZurueckClick();

    QLabel* LDatei;
    QLabel* LBez;
    Scheinbild* bild;
    QPushButton* BAlsReihen;
    QPushButton* BZurueck;
    QTableView* G4;
    QStackedWidget* ansicht;

private:
    ReihenModell* reihenModell_;
    int bankIndex_ = -1;
};

}  // namespace quintaro

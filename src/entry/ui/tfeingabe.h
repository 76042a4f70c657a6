#pragma once
// The normal ticket entry: rows typed, clicked or pasted into a free text
// field, or brought there from a ticket, CSV or spreadsheet file; transferred
// checked and sorted into the table of tip rows, saved or exported from there.
// Closing only hides the window, so texts and tables last for the whole run.
#include <QMainWindow>
#include <QPushButton>
#include <array>

#include "core/scheindateien.h"
#include "entry/reihenuebertragung.h"

class QLabel;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace quintaro {

class ReihenModell;

// A number button of the entry window, captioned with its number.
class TBZahl2 : public QPushButton {
    Q_OBJECT
public:
    TBZahl2(int zahl, QWidget* eltern);
    int zahl() const { return zahl_; }

private:
    int zahl_;
};

class TFEingabe : public QMainWindow {
    Q_OBJECT
public:
    explicit TFEingabe(QWidget* eltern = nullptr);

    void lotEClick(int zahl);
    void BUebertragenClick();
    void BTextLoeschenClick();
    void BInsTextfeldClick();
    void BSpielscheinOeffnenClick();
    void BCSVOeffnenClick();
    void BExcelImportClick();
    void BSpielscheinSpeichernClick();
    void BCSVSpeichernClick();
    void BExcelExportClick();
    void BReihenLoeschenClick();

    const TippTabelle& reihen() const;       // G1
    const TippTabelle& dateiReihen() const;  // G2

    QLabel* Label1;
    QTabWidget* PC1;
    std::array<TBZahl2*, 45> lotE{};
    QPlainTextEdit* M1;
    QPushButton* BUebertragen;
    QPushButton* BTextLoeschen;
    QLabel* LZeilen;
    QRadioButton* RG1a;
    QRadioButton* RG1b;
    QSpinBox* up1;
    QTableView* G1;
    QPushButton* BSpielscheinSpeichern;
    QPushButton* BReihenLoeschen;
    QPushButton* BCSVSpeichern;
    QPushButton* BExcelExport;
    QLabel* LDatei;
    QPushButton* BSpielscheinOeffnen;
    QPushButton* BExcelImport;
    QPushButton* BCSVOeffnen;
    QTableView* G2;
    QLabel* LDatei1;
    QPushButton* BInsTextfeld;
    QPushButton* BSchliessen;

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QWidget* manuelleEingabe();
    QWidget* dateiEinlesen();
    QWidget* textfeldTeil();
    QWidget* tabellenTeil();
    void textSetzen(const std::string& text);
    void reihenSpeichern(const QString& titel, const QString& filter, const QString& endung);
    void dateiReihenSetzen(TippTabelle reihen, const QString& dateiname, int letzteSpalte);

    ReihenModell* reihenModell_;
    ReihenModell* dateiModell_;
    int dateiSpalten_ = TippSpalten - 1;  // the last column of G2 that "Ins Textfeld übertragen" takes
};

}  // namespace quintaro

#pragma once
// The quota editor: the real prize quotas of every draw from 2019 on, one grid
// row per draw. Opening adds a row of mean quotas for every draw day since the
// newest one and saves; the user replaces them with the real quotas, typed or
// filled in by the quota import tool.
#include <QPointer>
#include <QWidget>
#include <array>

#include "core/datum.h"

class QComboBox;
class QPushButton;
class QTableView;
class QToolButton;

namespace quintaro {

class QuotenModell;
class TFQTool;
class TQEdit;

class TFQuoten : public QWidget {
    Q_OBJECT
public:
    // `heute` is the last day that gets a row.
    explicit TFQuoten(QWidget* eltern = nullptr, TDatum heute = Heute());

    // Saves the grid; false (after telling the user) when it was not saved.
    bool BSaveClick();
    void bsSkinSpeedButton3Click();
    void bsSkinSpeedButton5Click();
    TFQTool* quotenTool() const;

    TQEdit* quotenEdit(int klasse) const { return edits_[std::size_t(klasse)]; }
    const QuotenModell& modell() const { return *modell_; }
    bool geaendert() const { return geaendert_; }

    QTableView* G1;
    QComboBox* Combo1;
    QPushButton* bsSkinSpeedButton3;  // "Ersetzen"
    QToolButton* BSave;
    QPushButton* bsSkinSpeedButton2;  // "Speichern"
    QPushButton* bsSkinSpeedButton1;  // "Schließen"
    QPushButton* BHelp;
    QPushButton* bsSkinSpeedButton5;  // the quota import tool

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void QuotenLaden(TDatum heute);

    QuotenModell* modell_;
    std::array<TQEdit*, 9> edits_{};  // [1..8]
    bool geaendert_ = false;
    QPointer<TFQTool> tool_;
};

}  // namespace quintaro

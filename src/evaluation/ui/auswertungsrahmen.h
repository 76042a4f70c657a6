#pragma once
// What both evaluation frames share: the choice of draw, period and draw days,
// the start button, the result grid with the total and the highest win.
#include <QFrame>
#include <QStringList>

#include "core/scheindateien.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

namespace quintaro {

class ErgebnisModell;

class AuswertungsRahmen : public QFrame {
    Q_OBJECT
public:
    // The names of the controls that differ between the two frames.
    struct Namen {
        const char* start;
        const char* hoechst;
        const char* am;
        const char* ergebnis;
    };

    // Items of both draw choosers: the main window's draw dates. A chooser keeps
    // its choice when the item is still there; otherwise Combo1 takes the newest,
    // combo2 the second newest.
    void setzeZiehungsauswahl(const QStringList& texte);
    void setzeTage(int index);
    int tage() const;

    void StartClick();
    void BZeigClick();

    // The ticket's rows as the evaluation reads them.
    virtual const TippTabelle& reihen() const = 0;
    const ErgebnisModell& ergebnisModell() const { return *ergebnisModell_; }
    // The result line of the highest win, 0 for none (`LHGewWann`.`Tag`).
    int hoechstgewinnZeile() const;

    QComboBox* Combo1;
    QCheckBox* cbBack;
    QComboBox* combo2;
    QButtonGroup* RGTage;
    QPushButton* startKnopf;
    QLabel* LGesGewinn;
    QLabel* LHGew;
    QLabel* LHGewWann;
    QPushButton* BZeig;
    QTableView* ergebnisTabelle;

signals:
    // The user picked a draw-day choice.
    void tageGewaehlt(int index);

protected:
    AuswertungsRahmen(const Namen& namen, QWidget* eltern);
    // Lays the frame out: the header line above, the ticket part left of the
    // evaluation. The part that grows takes the room the tab has beyond both.
    enum class Waechst { Auswertung, Schein };
    void aufbauen(QLayout* kopf, QWidget* scheinteil, Waechst waechst);

private:
    QWidget* auswertungsteil(const Namen& namen);
    void ergebnisseLeeren();

    ErgebnisModell* ergebnisModell_;
    Namen namen_;
};

// "Datei" and its value label side by side, as both frames show them.
QLabel* BeschrifteterWert(QLayout* zeile, const QString& beschriftung, const char* name);

}  // namespace quintaro

#pragma once
// The official system ticket form, drawn from the box geometry, with its cross
// marks. Clicks are hit-tested against the same geometry. The whole form shows
// all 48 systems; a form of one group shows only the twelve of its column.
// A form of one group draws that column right beside the number fields.
// The form scales to the widget's size, keeping its proportions; its natural
// size (one pixel per pixel of the geometry) is the size hint.
#include <QWidget>

#include "core/zahlenmenge.h"
#include "systems/scheingeometrie.h"

namespace quintaro {

class Scheinbild : public QWidget {
    Q_OBJECT
public:
    explicit Scheinbild(QWidget* eltern = nullptr);

    // 0: all four system columns; 1..4: only that one.
    void setzeGruppe(int gruppe);
    void setzeKreuze(const TZahlenMenge& bank, const TZahlenMenge& wahl, int system);
    const TZahlenMenge& bankKreuze() const { return bank_; }
    const TZahlenMenge& wahlKreuze() const { return wahl_; }
    int systemKreuz() const { return system_; }
    // The widget point of a box's centre (for tests and for placing hints).
    QPoint mitteVon(Kreuzstelle stelle) const;

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int breite) const override;

signals:
    void kaestchenGeklickt(int art, int zahl);

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    bool zeigtSystem(int system) const;
    // Scale of the drawing and the widget point where the form's corner sits.
    double massstab() const;
    QPointF ursprung() const;
    QSize natuerlich() const;
    // How far the shown system column is moved to the left (its column's offset).
    int versatz(Kreuzart art) const;

    int gruppe_ = 0;
    TZahlenMenge bank_, wahl_;
    int system_ = 0;
};

}  // namespace quintaro

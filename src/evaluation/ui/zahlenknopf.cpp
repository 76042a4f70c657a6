#include "evaluation/ui/zahlenknopf.h"

namespace quintaro {

TBZahl::TBZahl(int zahl, QWidget* eltern) : QPushButton(QString::number(zahl), eltern), zahl_(zahl) {
    setObjectName(QString("PNummer%1").arg(zahl));
    setFixedSize(42, 28);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setFocusPolicy(Qt::NoFocus);
    setzeAussehen(ZahlAussehen::Normal);
}

void TBZahl::setzeAussehen(ZahlAussehen aussehen) {
    aussehen_ = aussehen;
    switch (aussehen) {
        case ZahlAussehen::Normal:
            setStyleSheet("QPushButton { background: #f4f4f4; color: #202020; border: 1px solid #b0b0b0; border-radius: 3px; }");
            break;
        case ZahlAussehen::Gewinnzahl:
            setStyleSheet("QPushButton { background: #2e7d32; color: white; border: 1px solid #1b5e20; border-radius: 3px; }");
            break;
        case ZahlAussehen::Zusatzzahl:
            setStyleSheet("QPushButton { background: #f9a825; color: #202020; border: 1px solid #c17900; border-radius: 3px; }");
            break;
    }
}

}  // namespace quintaro

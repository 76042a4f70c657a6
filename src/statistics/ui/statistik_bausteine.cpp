#include "statistics/ui/statistik_bausteine.h"

namespace quintaro {

TBStatNr::TBStatNr(int zahl, QWidget* eltern) : QLabel(QString::number(zahl), eltern), Tag(zahl) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    setStyleSheet(QStringLiteral("background: #203040; color: #f0f0f0; font-size: 8pt;"));
}

TBStatW::TBStatW(int zahl, QWidget* eltern) : QLabel(eltern), Tag(zahl) {
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QFont schrift = font();
    schrift.setBold(true);
    setFont(schrift);
}

TBKombi::TBKombi(int zahl, int ansicht, QWidget* eltern)
    : QToolButton(eltern), Tag(zahl + 100 * ansicht) {
    setText(QString::number(zahl));
    setCheckable(true);
    setStyleSheet(QStringLiteral("QToolButton { font-weight: bold; }"
                                 "QToolButton:checked { background: #c03030; color: white; }"));
}

}  // namespace quintaro

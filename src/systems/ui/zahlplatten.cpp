#include "systems/ui/zahlplatten.h"

namespace quintaro {

namespace {
QString Stil(const char* klasse, Zahlaussehen aussehen) {
    const QString art = QString::fromLatin1(klasse);
    switch (aussehen) {
        case Zahlaussehen::Wahlzahl:
            return art + QStringLiteral(" { background: %1; color: black; font-weight: bold; border: 1px solid #806000; }")
                             .arg(AussehenFarbe(aussehen).name());
        case Zahlaussehen::Bankzahl:
            return art + QStringLiteral(" { background: %1; color: black; font-weight: bold; border: 1px solid #207020; }")
                             .arg(AussehenFarbe(aussehen).name());
        case Zahlaussehen::Normal: break;
    }
    return art + QStringLiteral(" { font-weight: bold; }");
}
}  // namespace

QColor AussehenFarbe(Zahlaussehen aussehen) {
    switch (aussehen) {
        case Zahlaussehen::Wahlzahl: return {0xFF, 0xD8, 0x60};
        case Zahlaussehen::Bankzahl: return {0xB3, 0xFF, 0xB3};
        case Zahlaussehen::Normal: break;
    }
    return Qt::white;
}

TBLot::TBLot(int zahl, QWidget* eltern) : QToolButton(eltern), Tag(zahl) {
    setObjectName(QStringLiteral("lot%1").arg(zahl));
    setText(QString::number(zahl));
    setFixedSize(39, 20);
    QFont schrift = font();
    schrift.setPointSize(9);
    schrift.setBold(true);
    setFont(schrift);
    setStyleSheet(Stil("QToolButton", aussehen_));
}

void TBLot::setzeAussehen(Zahlaussehen aussehen) {
    if (aussehen == aussehen_) return;
    aussehen_ = aussehen;
    setStyleSheet(Stil("QToolButton", aussehen));
}

TBVerteilNr::TBVerteilNr(int zahl, QWidget* eltern) : QLabel(QString::number(zahl), eltern), Tag(zahl) {
    setObjectName(QStringLiteral("BStatNr%1").arg(zahl));
    setFixedSize(22, 20);
    setAlignment(Qt::AlignCenter);
    setStyleSheet(QStringLiteral("QLabel { background: #203040; color: #f0f0f0; font-size: 8pt; }"));
}

TBVerteilW::TBVerteilW(int zahl, QWidget* eltern) : QLabel(eltern), Tag(zahl) {
    setObjectName(QStringLiteral("BStatW%1").arg(zahl));
    setFixedSize(24, 20);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setStyleSheet(Stil("QLabel", aussehen_));
}

void TBVerteilW::setzen(int anzahl, Zahlaussehen aussehen) {
    setText(aussehen == Zahlaussehen::Normal ? QString() : QString::number(anzahl));
    if (aussehen == aussehen_) return;
    aussehen_ = aussehen;
    setStyleSheet(Stil("QLabel", aussehen));
}

}  // namespace quintaro

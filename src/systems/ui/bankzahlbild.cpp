#include "systems/ui/bankzahlbild.h"

#include <QPainter>
#include <QPrinter>

#include "systems/katalog.h"
#include "systems/systemwahl.h"

namespace quintaro {

namespace {
constexpr int Breite = 560, Hoehe = 212;
constexpr int Rand = 12, ZeilenHoehe = 20, TabelleOben = 62;
constexpr int SpalteBank = Rand, SpalteWahl = 160, SpalteErgebnis = 305;

QString Richtige(int anzahl, int treffer) {
    return QStringLiteral("%1 × %2 Richtige").arg(anzahl).arg(treffer);
}
}  // namespace

Bankzahlbild::Bankzahlbild(QWidget* eltern) : QWidget(eltern) { setMinimumSize(Breite, Hoehe); }

QSize Bankzahlbild::sizeHint() const { return {Breite, Hoehe}; }

void Bankzahlbild::setzeSystem(int index) {
    index_ = index;
    update();
}

QImage Bankzahlbild::bild() const {
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    zeichnen(maler);
    return bild;
}

void Bankzahlbild::drucken(QPrinter& drucker) const {
    const QImage b = bild();
    QPainter maler(&drucker);
    const double x = double(drucker.resolution()) / logicalDpiX();
    const double y = double(drucker.resolution()) / logicalDpiY();
    maler.drawImage(QRectF(250, 250, b.width() * x, b.height() * y), b);
}

void Bankzahlbild::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.fillRect(rect(), Qt::white);
    zeichnen(maler);
}

void Bankzahlbild::zeichnen(QPainter& maler) const {
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QColor(0x20, 0x30, 0x40));
    maler.drawRect(0, 0, Breite - 1, Hoehe - 1);
    if (index_ < 0) return;
    const TSysteme& e = SystemKatalog().at(std::size_t(index_));

    QFont titel = maler.font();
    titel.setPointSize(12);
    titel.setBold(true);
    QFont normal = maler.font();
    normal.setPointSize(9);
    QFont fett = normal;
    fett.setBold(true);

    maler.setFont(titel);
    maler.drawText(QRect(Rand, 4, Breite - 2 * Rand, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Ein System mit %1 Bankzahlen und %2 Wahlzahlen").arg(e.bankzahlen()).arg(e.WZ));
    maler.setFont(normal);
    maler.drawText(QRect(Rand, 26, Breite - 2 * Rand, 34), Qt::TextWordWrap,
                   QStringLiteral("Jede der %1 Tippreihen enthält alle %2 Bankzahlen und eine Wahlzahl. Stehen "
                                  "alle Gewinnzahlen unter Ihren Zahlen, entscheiden die Bankzahlen:")
                       .arg(e.TR)
                       .arg(e.bankzahlen()));

    int y = TabelleOben;
    maler.setFont(normal);
    maler.fillRect(QRect(Rand, y, Breite - 2 * Rand, ZeilenHoehe), QColor(0xD8, 0xE0, 0xE8));
    maler.drawText(QRect(SpalteBank + 6, y, 140, ZeilenHoehe), Qt::AlignVCenter, QStringLiteral("Bankzahlen getroffen"));
    maler.drawText(QRect(SpalteWahl, y, 140, ZeilenHoehe), Qt::AlignVCenter, QStringLiteral("Wahlzahlen getroffen"));
    maler.drawText(QRect(SpalteErgebnis, y, 240, ZeilenHoehe), Qt::AlignVCenter, QStringLiteral("Ihre Tippreihen"));
    for (const Bankzahlausgang& a : FuenfBankAusgang(index_)) {
        y += ZeilenHoehe;
        // Rows that reach three hits win something.
        const bool gewinn = a.bankTreffer + 1 >= 3;
        maler.fillRect(QRect(Rand, y, Breite - 2 * Rand, ZeilenHoehe),
                       gewinn ? QColor(0xB3, 0xFF, 0xB3) : QColor(0xFF, 0xF4, 0xE0));
        maler.setFont(fett);
        maler.drawText(QRect(SpalteBank + 6, y, 140, ZeilenHoehe), Qt::AlignVCenter, QString::number(a.bankTreffer));
        maler.setFont(normal);
        maler.drawText(QRect(SpalteWahl, y, 140, ZeilenHoehe), Qt::AlignVCenter, QString::number(a.wahlTreffer));
        QString ergebnis = Richtige(a.reihenHoeher, a.bankTreffer + 1);
        if (a.reihenNiedriger > 0) ergebnis += QStringLiteral(", ") + Richtige(a.reihenNiedriger, a.bankTreffer);
        maler.drawText(QRect(SpalteErgebnis, y, 240, ZeilenHoehe), Qt::AlignVCenter, ergebnis);
    }
    maler.setPen(QColor(0xA0, 0xA8, 0xB0));
    maler.drawRect(QRect(Rand, TabelleOben, Breite - 2 * Rand, y + ZeilenHoehe - TabelleOben));
}

}  // namespace quintaro

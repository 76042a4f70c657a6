#include "systems/ui/scheinbild.h"
#include "app/ui/texte.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/spielregeln.h"
#include "systems/katalog.h"

namespace quintaro {

namespace {
const QColor kPapier(0xFF, 0xF6, 0xEC);
const QColor kDruck(0xD2, 0x32, 0x2D);
const QColor kKreuz(Qt::blue);
const QSize kNatuerlich(BildBreite + 2 * BildRandX, BildHoehe + 2 * BildRandY);
constexpr int kSpaltenAbstand = 140;  // between two system columns

QRect Rechteck(const Kaestchen& k) {
    return {BildRandX + k.x, BildRandY + k.y, Kaestchen::KaestchenGroesse, Kaestchen::KaestchenGroesse};
}

void ZahlenfeldZeichnen(QPainter& p, Kreuzart art, const QString& name) {
    QFont klein;
    klein.setPixelSize(8);
    p.setFont(klein);
    for (int n = 1; n <= MaxZahl; ++n) {
        const QRect r = Rechteck(KaestchenVon({art, n}));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.drawText(r, Qt::AlignCenter, QString::number(n));
    }
    // The field's name runs upwards beside it.
    const QRect erstes = Rechteck(KaestchenVon({art, 1}));
    const QRect letztes = Rechteck(KaestchenVon({art, 45}));
    QFont gross;
    gross.setPixelSize(13);
    gross.setBold(true);
    p.setFont(gross);
    p.save();
    p.translate(erstes.left() + 6 * 20 + 4, (erstes.top() + letztes.bottom()) / 2);
    p.rotate(-90);
    p.drawText(QRect(-60, 0, 120, 16), Qt::AlignCenter, name);
    p.restore();
}

void KreuzZeichnen(QPainter& p, Kreuzstelle stelle, int versatz) {
    const Kaestchen k = KaestchenVon(stelle);
    p.drawText(QRect(BildRandX + KreuzX(k) - 2 - versatz, BildRandY + KreuzY(k) - 3, 13, 15), Qt::AlignCenter, QStringLiteral("x"));
}
}  // namespace

Scheinbild::Scheinbild(QWidget* eltern) : QWidget(eltern) {
    QSizePolicy politik(QSizePolicy::Preferred, QSizePolicy::Preferred);
    politik.setHeightForWidth(true);
    setSizePolicy(politik);
    setCursor(Qt::PointingHandCursor);
}

QSize Scheinbild::sizeHint() const { return natuerlich(); }

int Scheinbild::heightForWidth(int breite) const { return breite * natuerlich().height() / natuerlich().width(); }

QSize Scheinbild::natuerlich() const {
    if (gruppe_ == 0) return kNatuerlich;
    return {SystemKaestchen(1).x + kSpaltenAbstand + 2 * BildRandX, kNatuerlich.height()};
}

int Scheinbild::versatz(Kreuzart art) const {
    return art == Kreuzart::System && gruppe_ > 0 ? (gruppe_ - 1) * kSpaltenAbstand : 0;
}

double Scheinbild::massstab() const {
    return std::min(double(width()) / natuerlich().width(), double(height()) / natuerlich().height());
}

// Centred in the room the widget has.
QPointF Scheinbild::ursprung() const {
    const double m = massstab();
    return {(width() - m * natuerlich().width()) / 2, (height() - m * natuerlich().height()) / 2};
}

void Scheinbild::setzeGruppe(int gruppe) {
    gruppe_ = gruppe;
    updateGeometry();
    update();
}

void Scheinbild::setzeKreuze(const TZahlenMenge& bank, const TZahlenMenge& wahl, int system) {
    bank_ = bank;
    wahl_ = wahl;
    system_ = system;
    update();
}

QPoint Scheinbild::mitteVon(Kreuzstelle stelle) const {
    const QRectF kaestchen = QRectF(Rechteck(KaestchenVon(stelle))).translated(-versatz(stelle.art), 0);
    return (ursprung() + kaestchen.center() * massstab()).toPoint();
}

bool Scheinbild::zeigtSystem(int system) const { return gruppe_ == 0 || FormGruppe(system) == gruppe_; }

void Scheinbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.translate(ursprung());
    p.scale(massstab(), massstab());
    p.fillRect(QRect(BildRandX, BildRandY, natuerlich().width() - 2 * BildRandX, BildHoehe), kPapier);
    p.setPen(kDruck);
    ZahlenfeldZeichnen(p, Kreuzart::Bank, QStringLiteral("BANK"));
    ZahlenfeldZeichnen(p, Kreuzart::Wahl, QStringLiteral("WAHL"));

    QFont schrift;
    schrift.setPixelSize(13);
    schrift.setBold(true);
    p.setFont(schrift);
    p.drawText(QRect(BildRandX + SystemKaestchen(1).x, BildRandY + 20, 480, 20), Qt::AlignLeft | Qt::AlignVCenter,
               gruppe_ == 0 ? QStringLiteral("SYSTEM  –  bitte nur ein System ankreuzen") : QStringLiteral("SYSTEM"));
    const auto& tabelle = ScheinSystemTabelle();
    for (int s = 1; s <= 48; ++s) {
        if (!zeigtSystem(s)) continue;
        const QRect r = Rechteck(SystemKaestchen(s)).translated(-versatz(Kreuzart::System), 0);
        p.drawRect(r.adjusted(0, 0, -1, -1));
        schrift.setBold(true);
        schrift.setPixelSize(12);
        p.setFont(schrift);
        const auto code = tabelle[std::size_t(s)].Code;
        p.drawText(QRect(r.right() + 6, r.top(), 34, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   AlsQString(code));
        schrift.setBold(false);
        schrift.setPixelSize(10);
        p.setFont(schrift);
        p.drawText(QRect(r.right() + 40, r.top(), 80, r.height()), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 Tipps").arg(tabelle[std::size_t(s)].TR));
    }

    QFont kreuz(QStringLiteral("Arial"));
    kreuz.setPointSize(14);
    p.setFont(kreuz);
    p.setPen(kKreuz);
    for (int n : bank_.zahlen()) KreuzZeichnen(p, {Kreuzart::Bank, n}, 0);
    for (int n : wahl_.zahlen()) KreuzZeichnen(p, {Kreuzart::Wahl, n}, 0);
    if (system_ >= 1 && system_ <= 48) KreuzZeichnen(p, {Kreuzart::System, system_}, versatz(Kreuzart::System));
}

void Scheinbild::mousePressEvent(QMouseEvent* ereignis) {
    QPoint pos = ((ereignis->position() - ursprung()) / massstab()).toPoint();
    if (pos.x() - BildRandX >= SystemKaestchen(1).x) pos.rx() += versatz(Kreuzart::System);
    const auto stelle = KaestchenBei(pos.x() - BildRandX, pos.y() - BildRandY);
    if (!stelle || (stelle->art == Kreuzart::System && !zeigtSystem(stelle->zahl))) return;
    emit kaestchenGeklickt(int(stelle->art), stelle->zahl);
}

}  // namespace quintaro

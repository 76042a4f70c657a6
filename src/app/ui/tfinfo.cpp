#include "app/ui/tfinfo.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "app/hersteller.h"
#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/systemdienste.h"
#include "app/ui/texte.h"
#include "core/spielregeln.h"

namespace quintaro {

namespace {
constexpr int HilfeKontext = 1060;

// Six lottery balls on the program's colours.
QPixmap Bild() {
    QPixmap bild(130, 130);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, 130, 130);
    verlauf.setColorAt(0, QColor(18, 62, 120));
    verlauf.setColorAt(1, QColor(40, 140, 90));
    p.fillRect(bild.rect(), verlauf);
    const int zahlen[] = {3, 11, 17, 28, 40, 45};
    QFont f;
    f.setBold(true);
    f.setPointSize(11);
    p.setFont(f);
    for (int i = 0; i < 6; ++i) {
        const QRectF kugel(8 + (i % 3) * 40, 26 + (i / 3) * 44, 34, 34);
        p.setBrush(QColor(255, 255, 255, 230));
        p.setPen(QPen(QColor(250, 200, 40), 2));
        p.drawEllipse(kugel);
        p.setPen(QColor(18, 62, 120));
        p.drawText(kugel, Qt::AlignCenter, QString::number(zahlen[i]));
    }
    return bild;
}

QLabel* Zeile(std::string_view text, const char* name, QWidget* eltern) {
    auto* l = new QLabel(AlsQString(text), eltern);
    l->setObjectName(name);
    return l;
}
}  // namespace

TFInfo::TFInfo(QWidget* eltern) : QWidget(eltern, Qt::Dialog) {
    setWindowTitle(AlsQString(Produktname));
    auto* bild = new QLabel(this);
    bild->setPixmap(Bild());

    LVersion = new QLabel("Version " + AlsQString(Version), this);
    LVersion->setObjectName("LVersion");
    QFont fett = LVersion->font();
    fett.setBold(true);
    fett.setPointSizeF(fett.pointSizeF() * 1.3);
    LVersion->setFont(fett);

    const Herstellerangaben& h = Hersteller();
    auto* kontakt = new QFrame(this);
    kontakt->setObjectName("PKontakt");
    kontakt->setFrameShape(QFrame::StyledPanel);
    LName = Zeile(h.name, "LName", kontakt);
    LStrasse = Zeile(h.strasse, "LStrasse", kontakt);
    LPLZOrt = Zeile(h.plzOrt, "LPLZOrt", kontakt);
    LTelefon = Zeile(h.telefon, "LTelefon", kontakt);
    LFax = Zeile(h.fax, "LFax", kontakt);
    LMail = Zeile(h.mail, "LMail", kontakt);
    LMail->setStyleSheet("QLabel { color: #1a4f9c; text-decoration: underline; }");
    LMail->setCursor(Qt::PointingHandCursor);
    LMail->setToolTip("Eine E-Mail an den Quintaro-Service schreiben");
    LMail->installEventFilter(this);
    auto* zeilen = new QVBoxLayout(kontakt);
    for (QLabel* l : {LName, LStrasse, LPLZOrt, LTelefon, LFax, LMail}) zeilen->addWidget(l);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(LVersion);
    rechts->addWidget(kontakt);
    rechts->addStretch(1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(bild, 0, Qt::AlignTop);
    oben->addLayout(rechts, 1);

    BClose = new QPushButton("Schließen", this);
    BClose->setObjectName("BClose");
    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(BClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addLayout(fuss);
    resize(400, 300);

    connect(BClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { HilfeZeigen(HilfeKontext); });
}

bool TFInfo::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == LMail && ereignis->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(ereignis)->button() == Qt::LeftButton) {
        LMailClick();
        return true;
    }
    return QWidget::eventFilter(objekt, ereignis);
}

void TFInfo::LMailClick() {
    const QString adresse = AlsQString(ServiceMailAdresse());
    if (!AdresseOeffnen(adresse))
        Nachrichten().fehler(this, AlsMeldung("Es ließ sich kein E-Mail-Programm starten." + std::string(Absatz) +
                                              "Schreiben Sie uns bitte an " + std::string(Hersteller().mail) + "."));
}

}  // namespace quintaro

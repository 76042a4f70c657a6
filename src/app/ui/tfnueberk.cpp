#include "app/ui/tfnueberk.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QStyle>
#include <QVBoxLayout>

#include "app/nueberk.h"
#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/texte.h"

namespace quintaro {

namespace {
constexpr int HilfeKontext = 1110;

// Takes one or two digits; Enter calculates once both fields hold a number.
QLineEdit* Zahlfeld(QWidget* eltern, const QString& name) {
    auto* feld = new QLineEdit(eltern);
    feld->setObjectName(name);
    feld->setMaxLength(2);
    feld->setAlignment(Qt::AlignCenter);
    feld->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), feld));
    feld->setFixedWidth(feld->fontMetrics().horizontalAdvance("000") + 16);
    return feld;
}

QLabel* Erklaerung(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}
}  // namespace

TFNueberK::TFNueberK(QWidget* eltern) : QWidget(eltern, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setWindowTitle(FensterTitel());
    e1 = Zahlfeld(this, "e1");
    e2 = Zahlfeld(this, "e2");
    P1 = new QLabel(this);
    P1->setObjectName("P1");
    P1->setAlignment(Qt::AlignCenter);
    P1->setFrameShape(QFrame::StyledPanel);
    QFont gross = P1->font();
    gross.setBold(true);
    gross.setPointSizeF(gross.pointSizeF() * 1.4);
    P1->setFont(gross);
    P1->setMinimumWidth(P1->fontMetrics().horizontalAdvance("9.223.372.036.854.775.807") + 20);
    BCalc = new QPushButton(style()->standardIcon(QStyle::SP_MediaPlay), "Berechnen", this);
    BCalc->setObjectName("BCalc");
    BClose = new QPushButton("Sch&ließen", this);
    BClose->setObjectName("BClose");

    auto* eingaben = new QGridLayout;
    auto* ln = new QLabel("n", this);
    auto* lk = new QLabel("k", this);
    ln->setAlignment(Qt::AlignCenter);
    lk->setAlignment(Qt::AlignCenter);
    eingaben->addWidget(ln, 0, 0);
    eingaben->addWidget(e1, 1, 0);
    eingaben->addWidget(lk, 0, 1);
    eingaben->addWidget(e2, 1, 1);
    eingaben->addWidget(BCalc, 1, 2);
    eingaben->addWidget(P1, 1, 3);
    eingaben->setColumnStretch(3, 1);

    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(BClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Erklaerung("Der sogenannte Binomialkoeffizient n über k beschreibt, wie viele Möglichkeiten es "
                                 "gibt, aus n vorgegebenen Elementen eine Teilmenge von k Elementen auszuwählen.", this));
    layout->addLayout(eingaben);
    layout->addWidget(Erklaerung("Zu wissen, wie viele Möglichkeiten es für Teilmengen gibt, ist beispielsweise für "
                                 "die Errechnung der Chancen für 6 Richtige im Lotto wichtig.", this));
    layout->addWidget(Erklaerung("Geben Sie dafür 45 als n und 6 als k ein.", this));
    layout->addLayout(fuss);
    resize(sizeHint().expandedTo(QSize(420, 0)));

    connect(BCalc, &QPushButton::clicked, this, &TFNueberK::BCalcClick);
    connect(BClose, &QPushButton::clicked, this, &QWidget::close);
    for (QLineEdit* feld : {e1, e2})
        connect(feld, &QLineEdit::returnPressed, this, [this] {
            if (!e1->text().isEmpty() && !e2->text().isEmpty()) BCalcClick();
        });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { HilfeZeigen(HilfeKontext); });
}

void TFNueberK::BCalcClick() {
    const auto ergebnis = NueberKBerechnen(e1->text().toStdString(), e2->text().toStdString());
    if (ergebnis.anzeige) P1->setText(AlsQString(*ergebnis.anzeige));
    if (!ergebnis.meldung.empty()) Nachrichten().information(this, AlsMeldung(ergebnis.meldung));
}

}  // namespace quintaro

#include "systems/ui/systemtestseite.h"
#include "app/ui/bausteine.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

#include "app/ui/nachrichten.h"
#include "app/ui/systemdienste.h"
#include "app/ui/texte.h"
#include "core/formatierung.h"
#include "systems/katalog.h"
#include "systems/systemtestgitter.h"
#include "systems/ui/bankzahlbild.h"

namespace quintaro {

namespace {
constexpr int Spalte0 = 68, Spalte1 = 100, SpalteM = 68;  // column widths of G2
const QColor Gruen(0x00, 0xD5, 0x00);
const QColor Hellorange(0xFF, 0xDF, 0x80);

QColor Farbe(Systemtestfarbe f) {
    switch (f) {
        case Systemtestfarbe::Gruen: return Gruen;
        case Systemtestfarbe::Hellorange: return Hellorange;
        case Systemtestfarbe::Weiss: break;
    }
    return Qt::white;
}

QLabel* Erklaerung(const QString& text, bool fett = false) {
    auto* l = new QLabel(text);
    l->setWordWrap(true);
    if (fett) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

}  // namespace

Systemtestseite::Systemtestseite(QWidget* eltern)
    : QWidget(eltern), testlauf_([](int index, const Systemtestoptionen& o) { return Systemtest(index, o); }) {
    auto* haupt = new QVBoxLayout(this);
    haupt->addWidget(Erklaerung(QStringLiteral(
        "Lotterie-Systeme haben das Ziel, den finanziellen Einsatz bei Zahlenlotterien durch bestmögliche "
        "Konfiguration der Tippreihen zu optimieren. Dabei kann Ziel der Optimierung nicht die Erhöhung der Chancen "
        "auf einen Sechser sein. Denn solange ich keine meiner zehn Tippreihen doppelt habe, bleibt die Chance auf "
        "den Sechser bei zehn Tippreihen gleich, nämlich 1 : 814.506.")));
    haupt->addWidget(Erklaerung(QStringLiteral(
        "Ziel der Optimierung kann aber sein, die Tippreihen aus dem Pool Ihrer Wahlzahlen so zu bestücken, dass "
        "möglichst viele, im günstigsten Fall alle, Kombinationen abgedeckt werden, die einem Gewinnrang entsprechen. "
        "s. dazu auch die Hilfe")));
    haupt->addWidget(Erklaerung(QStringLiteral(
        "Streng genommen werden hier nicht die Tippreihen sondern das Lotteriesystem, das ihnen zugrundeliegt, "
        "getestet")));

    auto* erklaerungen = new QHBoxLayout;
    auto* wie = new QVBoxLayout;
    wie->addWidget(Erklaerung(QStringLiteral("Wie ein System getestet wird"), true));
    wie->addWidget(Erklaerung(QStringLiteral(
        "Grundsätzlich muss jede 2er-, 3er-, 4er-, 5er- und 6er-Kombination aus Ihrem Zahlenpool mit jeder Ihrer "
        "Tippreihen abgeglichen werden. Die Anzahl dieser Vergleiche entspricht der Rechenoperationen-Anzahl. ")));
    wie->addStretch();
    auto* bank = new QVBoxLayout;
    bank->addWidget(Erklaerung(QStringLiteral("Zur Behandlung von Bankzahlen bei der Systemauswertung"), true));
    bank->addWidget(Erklaerung(QStringLiteral(
        "Bankzahlen bleiben bei der Analyse eines Systems außen vor. Zum Beispiel wird ein System für 6 aus 45 mit "
        "einer Bankzahl nur hinsichtlich seiner Auswirkungen von 2, 3, 4 und 5 Treffern untersucht. Will man wissen, "
        "wie die Auswertung für getroffene Bankzahlen aussieht, müssen die Ergebnisse für jede getroffene Bankzahl "
        "lediglich um je eine Zelle nach unten und nach rechts gedacht werden. s. dazu auch die Hilfe")));
    bank->addStretch();
    erklaerungen->addLayout(wie, 1);
    erklaerungen->addLayout(bank, 1);
    haupt->addLayout(erklaerungen);

    G2 = new QTableWidget(SystemtestZeilen, SystemtestSpalten);
    G2->setObjectName(QStringLiteral("G2"));
    G2->horizontalHeader()->hide();
    G2->verticalHeader()->hide();
    G2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G2->setSelectionMode(QAbstractItemView::NoSelection);
    G2->setFocusPolicy(Qt::NoFocus);
    G2->verticalHeader()->setDefaultSectionSize(22);
    G2->setTextElideMode(Qt::ElideNone);
    G2->setWordWrap(false);
    G2->setColumnWidth(0, Spalte0);
    G2->setColumnWidth(1, Spalte1);
    for (int s = 2; s < SystemtestSpalten; ++s) G2->setColumnWidth(s, SpalteM);
    G2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G2->setFixedSize(Spalte0 + Spalte1 + 6 * SpalteM + 2 * G2->frameWidth(), SystemtestZeilen * 22 + 2 * G2->frameWidth());
    for (int z = 0; z < SystemtestZeilen; ++z)
        for (int s = 0; s < SystemtestSpalten; ++s) G2->setItem(z, s, new QTableWidgetItem);
    gitterZeigen(SystemtestgitterLeer());

    PImage = new QWidget;
    PImage->setObjectName(QStringLiteral("PImage"));
    auto* bildLayout = new QVBoxLayout(PImage);
    bildLayout->setContentsMargins(0, 0, 0, 0);
    Image1 = new Bankzahlbild;
    Image1->setObjectName(QStringLiteral("Image1"));
    bildLayout->addWidget(Image1);
    bildLayout->setSpacing(2);
    bsSkinSpeedButton4 = Knopf(QStringLiteral("Bild drucken..."), "bsSkinSpeedButton4");
    bsSkinSpeedButton2 = Knopf(QStringLiteral("Bild schließen"), "bsSkinSpeedButton2");
    bildLayout->addStretch();

    stapel_ = new QStackedWidget;
    stapel_->addWidget(G2);
    stapel_->addWidget(PImage);
    auto* mitte = new QHBoxLayout;
    mitte->addWidget(stapel_);
    mitte->addStretch();
    haupt->addLayout(mitte);

    auto* leiste = new QHBoxLayout;
    BTesten = Knopf(QString(), "BTesten");
    knopfZeigen();
    leiste->addWidget(BTesten);
    auto* operationen = new QGroupBox(QStringLiteral("Rechenoperationen"));
    auto* opLayout = new QHBoxLayout(operationen);
    LKombiAnz = new QLabel;
    LKombiAnz->setObjectName(QStringLiteral("LKombiAnz"));
    LKombiAnz->setMinimumWidth(110);
    LKombiAnz->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    opLayout->addWidget(LKombiAnz);
    leiste->addWidget(operationen);
    Gauge1 = new QProgressBar;
    Gauge1->setObjectName(QStringLiteral("Gauge1"));
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    leiste->addWidget(Gauge1, 1);
    haupt->addLayout(leiste);

    auto* unten = new QHBoxLayout;
    Image3 = Knopf(QStringLiteral("Aktuelle Gewinnzahlen im Internet"), "Image3");
    Image3->setFlat(true);
    Image3->setCursor(Qt::PointingHandCursor);
    Image3->setStyleSheet(QStringLiteral("QPushButton { color: #1a4fa0; text-decoration: underline; }"));
    bsSkinSpeedButton7 = Knopf(QStringLiteral("Zurück"), "bsSkinSpeedButton7");
    unten->addWidget(Image3);
    unten->addStretch();
    // The picture's buttons show with the picture.
    unten->addWidget(bsSkinSpeedButton4);
    unten->addWidget(bsSkinSpeedButton2);
    bsSkinSpeedButton4->hide();
    bsSkinSpeedButton2->hide();
    unten->addWidget(bsSkinSpeedButton7);
    haupt->addLayout(unten);
    haupt->addStretch();

    connect(BTesten, &QPushButton::clicked, this, &Systemtestseite::BTestenClick);
    connect(bsSkinSpeedButton2, &QPushButton::clicked, this, [this] { bildZeigen(false); });
    connect(bsSkinSpeedButton4, &QPushButton::clicked, this, &Systemtestseite::BildDruckenClick);
    connect(bsSkinSpeedButton7, &QPushButton::clicked, this, &Systemtestseite::zurueck);
    connect(Image3, &QPushButton::clicked, this, &Systemtestseite::Image3Click);
}

Systemtestseite::~Systemtestseite() { TestBeenden(); }

void Systemtestseite::PC1Change() {
    LKombiAnz->setText(index_ < 0 ? QString()
                                  : AlsQString(ZahlMitTausendern(Rechenoperationen(SystemKatalog()[std::size_t(index_)]))));
}

void Systemtestseite::knopfZeigen() {
    BTesten->setText(laeuft_ ? QStringLiteral("Test stoppen") : QStringLiteral("Systemtest starten"));
    BTesten->setIcon(style()->standardIcon(laeuft_ ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
}

void Systemtestseite::BTestenClick() {
    if (laeuft_) {
        stopp_ = true;
        return;
    }
    if (index_ < 0) {
        Nachrichten().information(this, AlsMeldung("Bitte wählen Sie zunächst ein Spielsystem aus." +
                                                   std::string(Absatz) + "Ich breche erst einmal ab."));
        return;
    }
    const TSysteme& e = SystemKatalog()[std::size_t(index_)];
    if (e.RG == 1) {
        // The five-banker system is explained by its picture.
        Image1->setzeSystem(index_);
        bildZeigen(true);
        return;
    }
    bildZeigen(false);
    PC1Change();
    laeuft_ = true;
    stopp_ = false;
    knopfZeigen();
    Gauge1->setRange(0, int(Kombinationsanzahl(e)));
    Gauge1->setValue(0);
    gitterZeigen(SystemtestgitterLeer());

    const int lauf = ++lauf_;
    test_ = std::thread([this, index = index_, lauf] {
        Systemtestoptionen optionen;
        optionen.stopp = &stopp_;
        optionen.fortschritt = [this, lauf](std::int64_t erledigt, std::int64_t) {
            QMetaObject::invokeMethod(
                this, [this, lauf, erledigt] { if (lauf == lauf_) Gauge1->setValue(int(erledigt)); },
                Qt::QueuedConnection);
        };
        auto ergebnis = std::make_shared<Systemtestergebnis>();
        std::string fehler;
        try {
            *ergebnis = testlauf_(index, optionen);
        } catch (const std::exception& f) {
            fehler = f.what();
            ergebnis->abgebrochen = true;
        }
        QMetaObject::invokeMethod(this, [this, lauf, ergebnis, fehler] { testFertig(lauf, *ergebnis, fehler); },
                                  Qt::QueuedConnection);
    });
}

void Systemtestseite::testFertig(int lauf, const Systemtestergebnis& ergebnis, const std::string& fehler) {
    // A test ended by TestBeenden reports late; a newer test may run by then.
    if (lauf != lauf_ || !laeuft_) return;
    TestBeenden();
    gitterZeigen(Systemtestgitter(ergebnis));
    if (!ergebnis.abgebrochen) Gauge1->setValue(Gauge1->maximum());
    knopfZeigen();
    if (!fehler.empty()) Nachrichten().fehler(this, AlsMeldung(fehler));
}

// Its reports may still be queued; they find a newer run or none and do nothing.
void Systemtestseite::TestBeenden() {
    stopp_ = true;
    if (test_.joinable()) test_.join();
    laeuft_ = false;
    knopfZeigen();
}

void Systemtestseite::gitterZeigen(const Tabelle& gitter) {
    QFont fett = G2->font();
    fett.setBold(true);
    QFont kopf = G2->font();
    kopf.setPointSize(kopf.pointSize() - 1);
    const QColor fest = palette().color(QPalette::Button);
    for (int z = 0; z < SystemtestZeilen; ++z)
        for (int s = 0; s < SystemtestSpalten; ++s) {
            QTableWidgetItem* zelle = G2->item(z, s);
            zelle->setText(AlsQString(gitter[std::size_t(z)][std::size_t(s)]));
            if (z == 0 || s == 0) {
                zelle->setBackground(fest);
                zelle->setFont(kopf);
                continue;
            }
            zelle->setFont(fett);
            zelle->setTextAlignment(Qt::AlignCenter);
            zelle->setBackground(Farbe(SystemtestZellfarbe(gitter, z, s)));
        }
}

void Systemtestseite::bildZeigen(bool ja) {
    stapel_->setCurrentWidget(ja ? PImage : static_cast<QWidget*>(G2));
    bsSkinSpeedButton4->setVisible(ja);
    bsSkinSpeedButton2->setVisible(ja);
}

void Systemtestseite::BildDruckenClick() {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() == QDialog::Accepted) Image1->drucken(drucker);
}

void Systemtestseite::Image3Click() {
    if (InternetVerbunden())
        WebseiteOeffnen(ErgebnisseAdresse);
    else
        Nachrichten().information(
            this, QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen."));
}

}  // namespace quintaro

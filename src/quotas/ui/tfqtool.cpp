#include "quotas/ui/tfqtool.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/systemdienste.h"
#include "app/ui/texte.h"
#include "core/einstellungen.h"
#include "core/spielregeln.h"
#include "quotas/quotenuebertragung.h"
#include "quotas/ui/tfquoten.h"
#include "quotas/ui/tqedit.h"

namespace quintaro {

namespace {
constexpr int HilfeKontext = 1100;
// The operator's results page lists the quotas of every draw.
const QString& QuotenVorgabe() { return ErgebnisseAdresse; }

QLabel* Hinweis(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}
}  // namespace

TFQTool::TFQTool(TFQuoten* editor) : QWidget(editor, Qt::Window), editor_(editor) {
    setObjectName("FQTool");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());

    M1 = new QPlainTextEdit(this);
    M1->setObjectName("M1");
    M1->setLineWrapMode(QPlainTextEdit::NoWrap);
    BClip = new QPushButton("&Zwischenab-\nlage einfügen", this);
    BClip->setObjectName("BClip");
    BDel = new QPushButton("Textfeld\nlöschen", this);
    BDel->setObjectName("BDel");
    BInfo = new QToolButton(this);
    BInfo->setObjectName("BInfo");
    BInfo->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    BInfo->setToolTip("Hilfe zum Quoten-Tool");

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(BClip);
    rechts->addWidget(BDel);
    rechts->addWidget(Hinweis("Markieren Sie auf der Webseite eine Quotentabelle mit gedrückter linker Maustaste, "
                              "kopieren Sie sie mit [Strg] und c und klicken Sie dann auf \"Zwischenablage "
                              "einfügen\".", this));
    rechts->addWidget(BInfo, 0, Qt::AlignLeft);
    rechts->addStretch(1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(M1, 1);
    oben->addLayout(rechts);

    Scroll1 = new QScrollBar(Qt::Horizontal, this);
    Scroll1->setObjectName("Scroll1");
    Scroll1->setRange(1, 10);
    Scroll1->setPageStep(1);
    Scroll1->setValue(4);
    LSpalte = new QLabel("4", this);
    LSpalte->setObjectName("LSpalte");
    LSpalte->setMinimumWidth(LSpalte->fontMetrics().horizontalAdvance("10") + 4);
    bsSkinSpeedButton2 = new QPushButton("&Quoten übertragen", this);
    bsSkinSpeedButton2->setObjectName("bsSkinSpeedButton2");
    auto* spalte = new QHBoxLayout;
    spalte->addWidget(new QLabel("Spalte, in der die Quote steht:", this));
    spalte->addWidget(Scroll1, 1);
    spalte->addWidget(LSpalte);
    spalte->addWidget(bsSkinSpeedButton2);

    EUrl = new QLineEdit(this);
    EUrl->setObjectName("EUrl");
    bsSkinSpeedButton4 = new QPushButton("Speichern", this);
    bsSkinSpeedButton4->setObjectName("bsSkinSpeedButton4");
    bsSkinSpeedButton4->setToolTip("Quoten-Url speichern");
    auto* url = new QHBoxLayout;
    url->addWidget(EUrl, 1);
    url->addWidget(bsSkinSpeedButton4);

    BAufruf = new QPushButton("Quoten-&Url aufrufen", this);
    BAufruf->setObjectName("BAufruf");
    bsSkinSpeedButton3 = new QPushButton("&Hilfe", this);
    bsSkinSpeedButton3->setObjectName("bsSkinSpeedButton3");
    bsSkinSpeedButton1 = new QPushButton("Sch&ließen", this);
    bsSkinSpeedButton1->setObjectName("bsSkinSpeedButton1");
    auto* fuss = new QHBoxLayout;
    fuss->addWidget(BAufruf);
    fuss->addStretch(1);
    fuss->addWidget(bsSkinSpeedButton3);
    fuss->addWidget(bsSkinSpeedButton1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben, 1);
    layout->addWidget(Hinweis("Optimal für das Identifizieren der jeweiligen Quote ist eine erkennbare Trennung der "
                              "Spalten.", this));
    layout->addLayout(spalte);
    layout->addWidget(new QLabel("Quoten-Url (kann hier bearbeitet, rechts gespeichert werden)", this));
    layout->addLayout(url);
    layout->addLayout(fuss);
    resize(475, 380);
    setMinimumSize(440, 340);

    connect(BClip, &QPushButton::clicked, this, &TFQTool::BClipClick);
    connect(BDel, &QPushButton::clicked, M1, &QPlainTextEdit::clear);
    connect(Scroll1, &QScrollBar::valueChanged, this, [this](int wert) { LSpalte->setText(QString::number(wert)); });
    connect(bsSkinSpeedButton2, &QPushButton::clicked, this, &TFQTool::bsSkinSpeedButton2Click);
    connect(EUrl, &QLineEdit::textChanged, this, [this] { urlGeaendert_ = true; });
    connect(bsSkinSpeedButton4, &QPushButton::clicked, this, &TFQTool::bsSkinSpeedButton4Click);
    connect(BAufruf, &QPushButton::clicked, this, &TFQTool::BAufrufClick);
    connect(bsSkinSpeedButton1, &QPushButton::clicked, this, &QWidget::close);
    for (QAbstractButton* hilfe : {static_cast<QAbstractButton*>(BInfo), static_cast<QAbstractButton*>(bsSkinSpeedButton3)})
        connect(hilfe, &QAbstractButton::clicked, this, [] { HilfeZeigen(HilfeKontext); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { HilfeZeigen(HilfeKontext); });
}

void TFQTool::BClipClick() {
    M1->clear();
    M1->setPlainText(QApplication::clipboard()->text());
}

void TFQTool::bsSkinSpeedButton2Click() {
    const auto ergebnis = QuotenUebertragen(M1->toPlainText().toStdString(), Scroll1->value());
    if (!ergebnis.text.empty()) M1->setPlainText(AlsQString(ergebnis.text));
    for (int k = 1; k <= 8; ++k)
        if (const auto& text = ergebnis.felder[std::size_t(k)]) editor_->quotenEdit(k)->setText(AlsQString(*text));
    if (!ergebnis.fehler.empty()) Nachrichten().fehler(this, AlsMeldung(ergebnis.fehler));
}

void TFQTool::BAufrufClick() {
    if (!InternetVerbunden()) {
        Nachrichten().information(this, "Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen.");
        return;
    }
    const QString eingabe = EUrl->text().trimmed();
    const QString adresse = eingabe.size() < 6 ? QuotenVorgabe() : eingabe;
    WebseiteOeffnen(adresse);
}

void TFQTool::bsSkinSpeedButton4Click() {
    Einstellungen().schreibeText("Quoten", "Url", EUrl->text().toStdString());
    urlGeaendert_ = false;
}

void TFQTool::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (ereignis->spontaneous()) return;
    Einstellungen ini;
    Scroll1->setValue(ini.leseZahl("Quoten", "Spalte", 4));
    std::string url = ini.leseText("Quoten", "Url", QuotenVorgabe().toStdString());
    if (url.empty()) {
        url = QuotenVorgabe().toStdString();
        ini.schreibeText("Quoten", "Url", url);
    }
    EUrl->setText(AlsQString(url));
    EUrl->setCursorPosition(0);
    urlGeaendert_ = false;
    platzieren(ini.leseZahl("Fenster", "QTool-Left", 0), ini.leseZahl("Fenster", "QTool-Top", 0));
}

void TFQTool::platzieren(int links, int oben) {
    const QRect rahmen = editor_->frameGeometry();
    if (links == 0) links = rahmen.x() + rahmen.width();
    if (oben == 0) oben = rahmen.y();
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        const QRect flaeche = schirm->geometry();
        const QSize groesse = frameGeometry().size();
        links -= std::max(0, links + groesse.width() - (flaeche.x() + flaeche.width()));
        oben -= std::max(0, oben + groesse.height() - (flaeche.y() + flaeche.height()));
    }
    move(links, oben);
}

void TFQTool::closeEvent(QCloseEvent* ereignis) {
    Einstellungen ini;
    if (urlGeaendert_ &&
        Nachrichten().frage(this, AlsMeldung("Die gegebenenfalls geänderte Quoten-Url wurde noch nicht gespeichert." +
                                             std::string(Absatz) + "Wollen Sie Änderungen jetzt speichern?")) ==
            Nachrichtendienst::Antwort::Ja) {
        ini.schreibeText("Quoten", "Url", EUrl->text().toStdString());
        urlGeaendert_ = false;
    }
    ini.schreibeZahl("Fenster", "QTool-Left", x());
    ini.schreibeZahl("Fenster", "QTool-Top", y());
    ini.schreibeZahl("Quoten", "Spalte", Scroll1->value());
    ereignis->accept();
}

}  // namespace quintaro

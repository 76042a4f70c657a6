#include "app/start/tfstart.h"
#include "app/ui/texte.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include "app/programmwerte.h"
#include "app/ui/hilfe.h"
#include "app/ui/fensterplatz.h"
#include "app/ui/region_qt.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "evaluation/beispielscheine.h"
#include "core/formatierung.h"
#include "core/spielregeln.h"
#include "systems/katalog.h"

namespace quintaro {

void ProgrammwerteBestimmen() {
    auto& w = Werte();
    w.programmordner = QCoreApplication::applicationDirPath().toStdString();
    w.downloadDatei = (QDir::tempPath() + "/tmp.tmp").toStdString();
    DatenPfadNeuBestimmen();  // created when missing
    // A first start (no settings written yet) finds the two sample tickets in the data
    // folder, as an installer would leave them; one that is there is kept as it is.
    // A folder that cannot be written shows its error at the first real file operation.
    if (!Einstellungen::DateiVorhanden()) {
        try {
            BeispielscheineAnlegen(DatenPfad());
        } catch (const DateiFehler&) {
        }
    }
    w.katalogGroesse = int(SystemKatalog().size());
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        w.bildschirmBreite = s->geometry().width();
        w.bildschirmHoehe = s->geometry().height();
    }
    // Without regional settings (the C locale) the program keeps its German defaults.
    if (QLocale::system().language() != QLocale::C) SetzeRegion(RegionAus(QLocale::system()));
}

TFStart::TFStart(QWidget* eltern) : QWidget(eltern) {
    setObjectName("FStart");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());
    setFixedSize(520, 320);
    ProgrammwerteBestimmen();

    // The figure is a fixed announcement, not the catalogue size.
    LSysAnz = new QLabel(QString("   %1 Systeme inside   ").arg(QLocale().toString(AngezeigteSystemanzahl)), this);
    LSysAnz->setObjectName("LSysAnz");
    LSysAnz->setStyleSheet("color: white; font-size: 15px; font-weight: bold; background: rgba(0,0,0,60); border-radius: 4px;");
    BWeiter = new QPushButton("Weiter", this);
    BWeiter->setObjectName("BWeiter");
    BWeiter->setFixedWidth(110);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(LSysAnz, 0, Qt::AlignLeft);
    layout->addSpacing(12);
    layout->addWidget(BWeiter, 0, Qt::AlignRight);
    setzeInitialisiert(false);
    connect(BWeiter, &QPushButton::clicked, this, &TFStart::weiter);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [] { HilfeZeigen(1010); });
    FensterEinpassen(this);
}

void TFStart::setzeInitialisiert(bool initialisiert) {
    initialisiert_ = initialisiert;
    BWeiter->setEnabled(initialisiert);
    BWeiter->setCursor(initialisiert ? Qt::PointingHandCursor : Qt::WaitCursor);
}

void TFStart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient verlauf(0, 0, width(), height());
    verlauf.setColorAt(0, QColor(18, 62, 120));
    verlauf.setColorAt(1, QColor(40, 140, 90));
    p.fillRect(rect(), verlauf);
    // A few lottery balls.
    const int zahlen[] = {3, 11, 17, 28, 40, 45};
    for (int i = 0; i < 6; ++i) {
        const QRectF kugel(300 + (i % 3) * 62, 40 + (i / 3) * 62, 52, 52);
        p.setBrush(QColor(255, 255, 255, 230));
        p.setPen(QPen(QColor(250, 200, 40), 3));
        p.drawEllipse(kugel);
        p.setPen(QColor(18, 62, 120));
        QFont f = font();
        f.setPointSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(kugel, Qt::AlignCenter, QString::number(zahlen[i]));
    }
    p.setPen(Qt::white);
    QFont titel = font();
    titel.setPointSize(30);
    titel.setBold(true);
    p.setFont(titel);
    p.drawText(QRect(28, 40, 280, 60), Qt::AlignLeft | Qt::AlignVCenter, "Quintaro");
    QFont unter = font();
    unter.setPointSize(13);
    p.setFont(unter);
    p.drawText(QRect(30, 100, 280, 30), Qt::AlignLeft | Qt::AlignVCenter, "Lotto 6 aus 45");
    p.drawText(QRect(30, 126, 280, 30), Qt::AlignLeft | Qt::AlignVCenter,
               "Version " + AlsQString(Version));
}

void TFStart::closeEvent(QCloseEvent* ereignis) {
    if (fertig_) {
        ereignis->accept();
        return;
    }
    ereignis->ignore();
    if (initialisiert_ && !blendet_) weiter();
}

void TFStart::weiter() {
    if (blendet_) return;
    blendet_ = true;
    BWeiter->hide();
    BWeiter->setEnabled(false);
    ueberblenden();
}

void TFStart::ueberblenden() {
    if (!hauptfenster_) {
        fertig_ = true;
        emit ueberblendet();
        close();
        return;
    }
    hauptfenster_->setWindowOpacity(0.0);
    hauptfenster_->show();
    schritt_ = 0;
    auto* takt = new QTimer(this);
    takt->setInterval(schrittMs_);
    connect(takt, &QTimer::timeout, this, [this, takt] {
        ++schritt_;
        const double v = schritt_ / 255.0;
        if (hauptfenster_) hauptfenster_->setWindowOpacity(v);
        setWindowOpacity(1.0 - v);
        if (schritt_ >= 255) {
            takt->stop();
            if (hauptfenster_) {
                hauptfenster_->raise();
                hauptfenster_->activateWindow();
            }
            fertig_ = true;
            emit ueberblendet();
            close();
        }
    });
    takt->start();
}

}  // namespace quintaro

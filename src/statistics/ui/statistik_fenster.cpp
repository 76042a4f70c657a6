#include "statistics/ui/statistik_fenster.h"
#include "app/ui/texte.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <memory>
#include <new>

#include "app/ui/fensterplatz.h"
#include "app/ui/nachrichten.h"
#include "core/datenbestand.h"
#include "core/formatierung.h"
#include "statistics/ui/frStatistik.h"
#include "statistics/ui/statistik_bausteine.h"
#include "statistics/ui/statistik_modelle.h"

namespace quintaro {

namespace {


constexpr int ClientHoehe = 720;

void ErgebnisFarbe(QLabel& label, std::optional<bool> gefunden) {
    QPalette farben = label.parentWidget()->palette();
    if (gefunden) farben.setColor(QPalette::Window, *gefunden ? QColor(0x40, 0xc0, 0x40) : QColor(0xe0, 0x40, 0x40));
    label.setPalette(farben);
}

QTableWidgetItem* AusbleibenZelle(const QString& text, bool daten) {
    auto* zelle = new QTableWidgetItem(text);
    if (!daten) {
        zelle->setBackground(QColor(0xe8, 0xe8, 0xe8));
        return zelle;
    }
    zelle->setTextAlignment(Qt::AlignCenter);
    zelle->setBackground(Qt::white);
    QFont schrift = zelle->font();
    schrift.setBold(true);
    zelle->setFont(schrift);
    return zelle;
}

}  // namespace

TFStatistik::TFStatistik(QWidget* eltern)
    : TFStatistik(Daten().GZListe, Daten().GZListeSo, Daten().GZListeMi, eltern) {}

TFStatistik::TFStatistik(const std::vector<TGewZahlen>& GZListe, const std::vector<TGewZahlen>& GZListeSo,
                         const std::vector<TGewZahlen>& GZListeMi, QWidget* eltern)
    : QMainWindow(eltern), statistik_(GZListe, GZListeSo, GZListeMi) {
    setObjectName(QStringLiteral("FStatistik"));
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
}

TFStatistik::~TFStatistik() { ZaehlungBeenden(); }

void TFStatistik::FormCreate() {
    setWindowTitle(FensterTitel());
    auto* mitte = new QWidget(this);
    auto* reihe = new QHBoxLayout(mitte);
    reihe->setContentsMargins(5, 5, 5, 5);
    reihe->setSpacing(0);
    for (int v = 0; v < AnzahlAnsichten; ++v) {
        frames_[std::size_t(v)] = new TFfrStatistik(v, mitte);
        reihe->addWidget(frames_[std::size_t(v)]);
        ViewAufbauen(v);
    }
    // The three views need more height than a laptop screen has: they scroll.
    setCentralWidget(Rollbar(mitte));
    const QSize inhalt = mitte->sizeHint();
    resize(inhalt.width() + 20, std::max(ClientHoehe, inhalt.height() + 80));
    FensterEinpassen(this);
    bereit_ = true;
}

void TFStatistik::ViewAufbauen(int v) {
    TFfrStatistik& f = *frames_[std::size_t(v)];
    f.PlattenBauen(statistik_.StatAnzahl(v));
    ComboFuellen(f, v);

    f.GAus->setItem(0, 0, AusbleibenZelle(QStringLiteral("    Zahl:"), false));
    f.GAus->setItem(1, 0, AusbleibenZelle(QStringLiteral(" Anzahl:"), false));
    int spalte = 1;
    for (const TAusbleiben& a : statistik_.Ausgeblieben(statistik_.GanzeListe(v), v)) {
        f.GAus->setItem(0, spalte, AusbleibenZelle(' ' + QString::number(a.zahl), true));
        f.GAus->setItem(1, spalte, AusbleibenZelle(QString::number(a.anzahl), true));
        ++spalte;
    }

    const TRangliste paare = statistik_.KombinationenFavoriten(v);
    f.ranglisten[1]->setzen(paare.haeufig);
    f.ranglisten[2]->setzen(paare.selten);

    for (int k = 1; k <= AnzahlVorgaben; ++k)
        f.letzteX[std::size_t(k - 1)]->setText(QStringLiteral("X=") + QString::number(statistik_.LetzteX(v, k)));
    f.letzteX[AnzahlVorgaben - 1]->setChecked(true);
    Verbinden(f, v);
}

void TFStatistik::ComboFuellen(TFfrStatistik& f, int v) {
    f.LZie->setText(QString::number(statistik_.ZiehungsAnzahl(v)));
    QStringList daten;
    for (const TGewZahlen& z : statistik_.Liste(v)) daten << QString::fromStdString(DatumText(z.datum));
    f.combo1->addItems(daten);
    f.combo2->addItems(daten);
    f.combo1->setCurrentIndex(daten.isEmpty() ? -1 : 0);
    f.combo2->setCurrentIndex(int(daten.size()) - 1);
}

void TFStatistik::Verbinden(TFfrStatistik& f, int v) {
    connect(f.BAuf, &QToolButton::clicked, this, [this, v] { BAufClick(v); });
    connect(f.combo1, &QComboBox::currentIndexChanged, this, [this, v] { ZeitraumGeaendert(v); });
    connect(f.combo2, &QComboBox::currentIndexChanged, this, [this, v] { ZeitraumGeaendert(v); });
    connect(f.BStart, &QToolButton::clicked, this, [this, v] { StartAktion(v); });
    for (int k = 1; k <= AnzahlVorgaben; ++k)
        connect(f.letzteX[std::size_t(k - 1)], &QRadioButton::clicked, this, [this, v, k] { RGLetzteClick(v, k); });
    connect(f.BStart3, &QPushButton::clicked, this, [this, v] { KombinationenStarten(v, 3); });
    connect(f.BStart2, &QPushButton::clicked, this, [this, v] { KombinationenStarten(v, 4); });
    for (int n = 1; n <= MaxZahl; ++n)
        connect(f.BNr[std::size_t(n)], &QToolButton::clicked, this, [this, v, n] { BNrClick(v, n); });
    connect(f.BSuche, &QPushButton::clicked, this, [this, v] { BSucheClick(v); });
    connect(f.BDel, &QToolButton::clicked, this, [this, v] { BDelClick(v); });
    connect(f.cbAuch, &QCheckBox::clicked, this, [this](bool angehakt) { cbAuchClick(angehakt); });
}

TZeitraum TFStatistik::Zeitraum(int v) const {
    const TFfrStatistik& f = *frames_[std::size_t(v)];
    return {f.combo1->currentIndex(), f.combo2->currentIndex()};
}

void TFStatistik::ZeitraumGeaendert(int v) {
    if (!bereit_) return;
    const TZeitraum z = Zeitraum(v);
    TFfrStatistik& f = *frames_[std::size_t(v)];
    if (z.bis < z.von) {
        f.LZie->clear();
        return;
    }
    f.LZie->setText(QString::number(z.laenge()));
    StartAktion(v);
}

void TFStatistik::StartAktion(int v) {
    if (statistik_.ZiehungsAnzahl(v) == 0) {
        const std::string frage = "Für eine statistische Auswertung fehlen die Gewinnreihen." + std::string(Absatz) +
                                  "Soll ich den Downloadbereich öffnen?";
        if (Nachrichten().frage(this, AlsMeldung(frage), true) == Nachrichtendienst::Antwort::Ja) {
            emit downloadGewuenscht();
            close();
        }
        return;
    }
    statistik_.TeilStatistik(Zeitraum(v), v);
    frames_[std::size_t(v)]->ZaehlerSetzen(statistik_.StatAnzahl(v));
}

void TFStatistik::RGLetzteClick(int v, int k) {
    if (!bereit_) return;
    if (statistik_.ZiehungsAnzahl(v) == 0) {
        StartAktion(v);
        return;
    }
    TFfrStatistik& f = *frames_[std::size_t(v)];
    const TZeitraum z = statistik_.LetzteXZeitraum(v, k);
    {
        // Both boxes change together; the period is counted once below.
        const QSignalBlocker sperre1(f.combo1), sperre2(f.combo2);
        f.combo2->setCurrentIndex(z.bis);
        f.combo1->setCurrentIndex(z.von);
    }
    ZeitraumGeaendert(v);
}

void TFStatistik::BAufClick(int v) {
    statistik_.StatistikAbsteigend(v);
    TFfrStatistik& f = *frames_[std::size_t(v)];
    f.PlattenAnordnen(statistik_.Anordnung(v));
    f.SortierungZeigen(statistik_.Sortiert(v));
}

void TFStatistik::KombinationenStarten(int v, int k) {
    if (laeuft_) return;
    if (statistik_.ZiehungsAnzahl(v) == 0) {
        Nachrichten().information(this, QStringLiteral(" Bitte Verbindung zum Internet bestehen."));
        return;
    }
    TFfrStatistik& f = *frames_[std::size_t(v)];
    QProgressBar* balken = k == 3 ? f.Gauge1 : f.Gauge2;
    balken->setValue(0);
    if (k == 4) {
        f.GKombi[5]->hide();
        f.GKombi[6]->hide();
    }
    Sperren(true);
    abbrechen_ = false;
    const TZeitraum z = Zeitraum(v);
    zaehlung_ = std::thread([this, v, k, z, balken] {
        auto ergebnis = std::make_shared<std::optional<TRangliste>>();
        std::string fehler;
        try {
            *ergebnis = statistik_.Kombinationsrangliste(k, z, v, [this, balken](int wert) {
                if (abbrechen_) return false;
                QMetaObject::invokeMethod(balken, [balken, wert] { balken->setValue(wert); }, Qt::QueuedConnection);
                return true;
            });
        } catch (const std::bad_alloc&) {
            fehler = "Für diese Zählung reicht der Arbeitsspeicher nicht aus.";
        } catch (const std::runtime_error& e) {
            fehler = e.what();  // the engine's errors carry German texts
        } catch (const std::exception&) {
            fehler = "Bei der Zählung ist ein interner Fehler aufgetreten.";
        }
        QMetaObject::invokeMethod(
            this, [this, v, k, ergebnis, fehler] { KombinationenFertig(v, k, std::move(*ergebnis), fehler); },
            Qt::QueuedConnection);
    });
}

void TFStatistik::KombinationenFertig(int v, int k, std::optional<TRangliste> ergebnis, const std::string& fehler) {
    ZaehlungBeenden();
    Sperren(false);
    TFfrStatistik& f = *frames_[std::size_t(v)];
    const int gitter = k == 3 ? 3 : 5;
    if (ergebnis) {
        f.ranglisten[std::size_t(gitter)]->setzen(std::move(ergebnis->haeufig));
        f.ranglisten[std::size_t(gitter + 1)]->setzen(std::move(ergebnis->selten));
    }
    f.GKombi[std::size_t(gitter)]->show();
    f.GKombi[std::size_t(gitter + 1)]->show();
    if (!fehler.empty()) Nachrichten().fehler(this, QString::fromStdString(fehler));
}

// Stops a running count and waits for its thread; its last report may still
// be queued and then finds nothing to do.
void TFStatistik::ZaehlungBeenden() {
    abbrechen_ = true;
    if (zaehlung_.joinable()) zaehlung_.join();
    laeuft_ = false;
}

void TFStatistik::Sperren(bool gesperrt) {
    laeuft_ = gesperrt;
    for (int v = 0; v < AnzahlAnsichten; ++v) {
        TFfrStatistik& f = *frames_[std::size_t(v)];
        for (QWidget* w : std::initializer_list<QWidget*>{f.BStart, f.combo1, f.combo2, f.RGLetzte, f.BStart2, f.BStart3})
            w->setEnabled(!gesperrt);
        SuchKnoepfeZeigen(v);
    }
}

void TFStatistik::closeEvent(QCloseEvent* ereignis) {
    ZaehlungBeenden();
    QMainWindow::closeEvent(ereignis);
}

bool TFStatistik::MitGleichklang() const { return frames_[0]->cbAuch->isChecked(); }

void TFStatistik::BNrClick(int v, int n) {
    if (statistik_.ZahlUmschalten(n, v, MitGleichklang()) == TUmschaltung::Abgelehnt)
        Nachrichten().fehler(this, AlsQString(MeldungHoechstensSechs));
    for (int w = 0; w < AnzahlAnsichten; ++w) SuchKnoepfeZeigen(w);
}

void TFStatistik::SuchKnoepfeZeigen(int v) {
    TFfrStatistik& f = *frames_[std::size_t(v)];
    for (int n = 1; n <= MaxZahl; ++n) f.BNr[std::size_t(n)]->setChecked(statistik_.SuchMenge(v).enthaelt(n));
    f.BSuche->setEnabled(statistik_.SucheErlaubt(v) && !laeuft_);
}

void TFStatistik::BSucheClick(int v) {
    if (laeuft_) return;
    Suchen(v);
    if (v == 0 && MitGleichklang()) {
        statistik_.Gleichklang();
        for (int w = 1; w < AnzahlAnsichten; ++w) {
            SuchKnoepfeZeigen(w);
            Suchen(w);
        }
    }
}

void TFStatistik::Suchen(int v) {
    TFfrStatistik& f = *frames_[std::size_t(v)];
    auto funde = statistik_.KombisSuchen(Zeitraum(v), v);
    const bool gefunden = !funde.empty();
    f.LErg->setText(QString::number(funde.size()));
    ErgebnisFarbe(*f.LErg, gefunden);
    f.funde->setzen(std::move(funde));
}

void TFStatistik::BDelClick(int v) {
    const bool alle = v == 0 && MitGleichklang();
    statistik_.KombiAufNull(v, alle);
    for (int w = 0; w < AnzahlAnsichten; ++w) {
        if (w != v && !alle) continue;
        TFfrStatistik& f = *frames_[std::size_t(w)];
        SuchKnoepfeZeigen(w);
        f.funde->setzen({});
        f.LErg->clear();
        ErgebnisFarbe(*f.LErg, std::nullopt);
    }
}

void TFStatistik::cbAuchClick(bool angehakt) {
    if (!angehakt) return;
    statistik_.Gleichklang();
    for (int w = 1; w < AnzahlAnsichten; ++w) SuchKnoepfeZeigen(w);
}

}  // namespace quintaro

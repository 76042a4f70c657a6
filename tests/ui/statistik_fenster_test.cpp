// The statistics window driven through its real widgets.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include "../engine/statistik_referenz.h"
#include "core/formatierung.h"
#include "core/kombinatorik.h"
#include "nachrichten_attrappe.h"
#include "statistics/ui/frStatistik.h"
#include "statistics/ui/statistik_fenster.h"

namespace quintaro {
namespace {

using referenz::Ziehung;

class StatistikFenster : public testing::Test {
protected:
    void Bauen(std::vector<TGewZahlen> alle) {
        delete fenster.data();
        daten.GZListe = std::move(alle);
        StatistikStart(daten);
        fenster = new TFStatistik(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
        fenster->show();
    }
    void TearDown() override { delete fenster.data(); }

    template <typename T>
    T* Teil(int v, const QString& name) const {
        T* teil = fenster->Frame(v)->findChild<T*>(name);
        EXPECT_NE(teil, nullptr) << name.toStdString();
        return teil;
    }
    QString Name(const char* stamm, int v, int zusatz = -1) const {
        return QString::fromLatin1(stamm) + QString::number(v) + (zusatz >= 0 ? QString::number(zusatz) : QString());
    }
    QString Zelle(QTableView* gitter, int zeile, int spalte) const {
        return gitter->model()->index(zeile, spalte).data().toString();
    }
    QString Zaehler(int v, int n) const { return Teil<QLabel>(v, Name("BStatW", v, n))->text(); }
    void Klick(QAbstractButton* knopf) const { QTest::mouseClick(knopf, Qt::LeftButton); }
    void Zahl(int v, int n) const { Klick(Teil<QToolButton>(v, Name("BNr", v, n))); }

    NachrichtenAttrappe nachrichten;
    Datenbestand daten;
    QPointer<TFStatistik> fenster;
};

TEST_F(StatistikFenster, ShowsTheWholeListsWhenBuilt) {
    Bauen(referenz::ZufallsZiehungen(120, 5));
    const TStatistik erwartet(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    EXPECT_EQ(fenster->objectName(), "FStatistik");
    EXPECT_EQ(fenster->windowTitle(), "Quintaro 1.3.1.0");

    const int laenge[] = {120, 60, 60};
    const int vorgaben[3][5] = {{8, 26, 52, 104, 120}, {4, 13, 26, 52, 60}, {4, 13, 26, 52, 60}};
    for (int v = 0; v < 3; ++v) {
        SCOPED_TRACE(v);
        EXPECT_EQ(Teil<QLabel>(v, Name("LZie", v))->text(), QString::number(laenge[v]));
        EXPECT_EQ(Teil<QComboBox>(v, Name("Combo", v, 1))->currentIndex(), 0);
        EXPECT_EQ(Teil<QComboBox>(v, Name("Combo", v, 2))->currentIndex(), laenge[v] - 1);
        EXPECT_EQ(Teil<QComboBox>(v, Name("Combo", v, 1))->itemText(0),
                  QString::fromStdString(DatumText(erwartet.Liste(v)[0].datum)));
        for (int n : {1, 17, 45}) EXPECT_EQ(Zaehler(v, n), QString::number(erwartet.StatAnzahl(v)[std::size_t(n)]));
        const auto& radios = fenster->Frame(v)->letzteX;
        for (int k = 0; k < 5; ++k) EXPECT_EQ(radios[k]->text(), "X=" + QString::number(vorgaben[v][k]));
        EXPECT_TRUE(radios[4]->isChecked());
        EXPECT_EQ(Teil<QCheckBox>(v, Name("cbAuch", v))->isHidden(), v != 0);
        EXPECT_FALSE(Teil<QPushButton>(v, Name("BSuche", v))->isEnabled());
        EXPECT_EQ(Teil<QProgressBar>(v, Name("Gauge", v, 1))->maximum(), 28380);
        EXPECT_EQ(Teil<QProgressBar>(v, Name("Gauge", v, 2))->maximum(), 297990);

        auto* ausbleiben = Teil<QTableWidget>(v, Name("GAus", v));
        ASSERT_EQ(ausbleiben->columnCount(), 46);
        EXPECT_EQ(ausbleiben->item(0, 0)->text(), "    Zahl:");
        EXPECT_EQ(ausbleiben->item(1, 0)->text(), " Anzahl:");
        const auto folge = erwartet.Ausgeblieben(erwartet.GanzeListe(v), v);
        for (int c : {1, 45}) {
            EXPECT_EQ(ausbleiben->item(0, c)->text(), ' ' + QString::number(folge[std::size_t(c - 1)].zahl));
            EXPECT_EQ(ausbleiben->item(1, c)->text(), QString::number(folge[std::size_t(c - 1)].anzahl));
        }

        const auto paare = erwartet.KombinationenFavoriten(v);
        auto* haeufig = Teil<QTableView>(v, Name("GKombi", 1, v));
        auto* selten = Teil<QTableView>(v, Name("GKombi", 2, v));
        ASSERT_EQ(haeufig->model()->rowCount(), int(paare.haeufig.size()));
        ASSERT_EQ(selten->model()->rowCount(), int(paare.selten.size()));
        EXPECT_EQ(haeufig->model()->headerData(1, Qt::Horizontal).toString(), "Kombi");
        EXPECT_EQ(Zelle(haeufig, 0, 0), "1");
        EXPECT_EQ(Zelle(haeufig, 0, 1), QString::fromStdString(MengeAlsText(paare.haeufig[0].zahlen)));
        EXPECT_EQ(Zelle(selten, 100, 2), QString::number(paare.selten[100].anz));
        EXPECT_EQ(Teil<QTableView>(v, Name("GKombi", 7, v))->model()->headerData(2, Qt::Horizontal).toString(), "mit...");
    }
}

// The program opens the window on its data holder; the window keeps what it
// was built with when the history changes later.
TEST_F(StatistikFenster, ReadsTheProgramsDrawListsOnce) {
    const Datenbestand gesichert = Daten();
    Daten().GZListe = referenz::ZufallsZiehungen(30, 4);
    StatistikStart(Daten());
    fenster = new TFStatistik;
    fenster->show();
    Daten().GZListe.clear();
    StatistikStart(Daten());
    EXPECT_EQ(Teil<QLabel>(0, "LZie0")->text(), "30");
    EXPECT_EQ(Teil<QLabel>(2, "LZie2")->text(), "15");
    Klick(fenster->Frame(2)->letzteX[0]);  // X=4
    EXPECT_EQ(Teil<QLabel>(2, "LZie2")->text(), "4");
    EXPECT_TRUE(nachrichten.meldungen.empty());
    Daten() = gesichert;
}

TEST_F(StatistikFenster, PresetsAndPeriodBoxesRecountTheirView) {
    Bauen(referenz::ZufallsZiehungen(120, 6));
    TStatistik erwartet(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    auto* von = Teil<QComboBox>(0, "Combo01");
    auto* bis = Teil<QComboBox>(0, "Combo02");
    auto* anzahl = Teil<QLabel>(0, "LZie0");

    Klick(fenster->Frame(0)->letzteX[1]);  // X=26
    EXPECT_EQ(von->currentIndex(), 94);
    EXPECT_EQ(bis->currentIndex(), 119);
    EXPECT_EQ(anzahl->text(), "26");
    erwartet.TeilStatistik({94, 119}, 0);
    for (int n = 1; n <= 45; ++n) ASSERT_EQ(Zaehler(0, n), QString::number(erwartet.StatAnzahl(0)[std::size_t(n)])) << n;
    EXPECT_EQ(Zaehler(1, 1), QString::number(erwartet.StatAnzahl(1)[1]));  // other views untouched

    // "bis" before "von": no count, the label empties, the plates stay.
    const QString vorher = Zaehler(0, 7);
    bis->setCurrentIndex(10);
    EXPECT_EQ(anzahl->text(), "");
    EXPECT_EQ(Zaehler(0, 7), vorher);

    von->setCurrentIndex(3);
    EXPECT_EQ(anzahl->text(), "8");
    erwartet.TeilStatistik({3, 10}, 0);
    for (int n = 1; n <= 45; ++n) ASSERT_EQ(Zaehler(0, n), QString::number(erwartet.StatAnzahl(0)[std::size_t(n)])) << n;

    // A Sunday list shorter than the preset starts at its oldest draw.
    Bauen(referenz::ZufallsZiehungen(9, 6));
    Klick(fenster->Frame(1)->letzteX[1]);  // X=13 of 5 draws
    EXPECT_EQ(Teil<QComboBox>(1, "Combo11")->currentIndex(), 0);
    EXPECT_EQ(Teil<QLabel>(1, "LZie1")->text(), "5");
}

TEST_F(StatistikFenster, SortPutsTheRarestNumberFirstAndBack) {
    Bauen({referenz::ZufallsZiehungen(1, 2)[0]});  // one draw: its six numbers once, all others never
    const auto gezogen = daten.GZListe[0].menge().zahlen();
    auto* sortieren = Teil<QToolButton>(0, "BAuf0");
    EXPECT_TRUE(sortieren->toolTip().startsWith("Geordnet nach Zahlen"));
    const qint64 zahlenBild = sortieren->icon().cacheKey();
    Klick(sortieren);
    EXPECT_TRUE(sortieren->isChecked());
    EXPECT_TRUE(sortieren->toolTip().startsWith("Sortiert nach Häufigkeit"));
    EXPECT_NE(sortieren->icon().cacheKey(), zahlenBild);
    // Slot 40..45 hold the drawn numbers ascending; the count plate of a number sits beside its slot.
    for (int slot = 40; slot <= 45; ++slot) {
        const int n = gezogen[std::size_t(slot - 40)];
        EXPECT_EQ(Teil<QLabel>(0, Name("BStatNr", 0, slot))->text(), QString::number(n));
        auto* zaehler = Teil<QLabel>(0, Name("BStatW", 0, n));
        EXPECT_EQ(zaehler->y(), fenster->Frame(0)->ENrEcke[std::size_t(slot)].y());
        EXPECT_EQ(zaehler->text(), "1");
    }
    Klick(sortieren);
    EXPECT_FALSE(sortieren->isChecked());
    EXPECT_TRUE(sortieren->toolTip().startsWith("Geordnet nach Zahlen"));
    for (int n : {1, 44}) {
        EXPECT_EQ(Teil<QLabel>(0, Name("BStatNr", 0, n))->text(), QString::number(n));
        EXPECT_EQ(Teil<QLabel>(0, Name("BStatW", 0, n))->y(), fenster->Frame(0)->ENrEcke[std::size_t(n)].y());
    }
}

TEST_F(StatistikFenster, TriplesAndQuadruplesCountOffTheInterfaceThread) {
    Bauen(referenz::ZufallsZiehungen(400, 8));
    const TStatistik erwartet(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    for (int k : {3, 4}) {
        SCOPED_TRACE(k);
        auto* start = Teil<QPushButton>(2, k == 3 ? "BStart32" : "BStart22");
        const int gitter = k == 3 ? 3 : 5;
        Zahl(0, 5);
        Zahl(0, 6);
        Klick(start);
        // The result comes back through the event loop: until then nothing else starts.
        EXPECT_TRUE(fenster->ZaehlungLaeuft());
        for (const char* name : {"BStart30", "BStart20", "BStart0"}) EXPECT_FALSE(Teil<QWidget>(0, name)->isEnabled()) << name;
        EXPECT_FALSE(Teil<QPushButton>(0, "BSuche0")->isEnabled());
        if (k == 4) {
            EXPECT_TRUE(Teil<QTableView>(2, "GKombi52")->isHidden());
        }
        QTRY_VERIFY_WITH_TIMEOUT(!fenster->ZaehlungLaeuft(), 20000);

        const auto liste = *erwartet.Kombinationsrangliste(k, erwartet.GanzeListe(2), 2);
        auto* haeufig = Teil<QTableView>(2, Name("GKombi", gitter, 2));
        auto* selten = Teil<QTableView>(2, Name("GKombi", gitter + 1, 2));
        ASSERT_EQ(haeufig->model()->rowCount(), int(liste.haeufig.size()));
        ASSERT_EQ(selten->model()->rowCount(), int(liste.selten.size()));
        EXPECT_EQ(Zelle(haeufig, 0, 1), QString::fromStdString(MengeAlsText(liste.haeufig[0].zahlen)));
        EXPECT_EQ(Zelle(selten, int(liste.selten.size()) - 1, 0), QString::number(liste.selten.size()));
        EXPECT_FALSE(haeufig->isHidden());
        EXPECT_FALSE(selten->isHidden());
        EXPECT_EQ(Teil<QProgressBar>(2, k == 3 ? "Gauge21" : "Gauge22")->value(), k == 3 ? 28380 : 297990);
        EXPECT_TRUE(Teil<QWidget>(0, "BStart30")->isEnabled());
        EXPECT_TRUE(Teil<QPushButton>(0, "BSuche0")->isEnabled());
        Klick(Teil<QToolButton>(0, "BDel0"));
    }
}

TEST_F(StatistikFenster, ClosingDuringACountStopsItAndDestroysTheWindow) {
    Bauen(referenz::ZufallsZiehungen(3000, 9));
    Klick(Teil<QPushButton>(0, "BStart20"));
    ASSERT_TRUE(fenster->ZaehlungLaeuft());
    EXPECT_TRUE(fenster->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
    QCoreApplication::processEvents();  // reports the count may have queued find no window
}

TEST_F(StatistikFenster, SearchListsTheDrawsAndClearing) {
    Bauen({
        Ziehung(DatumAus(2020, 3, 1), {1, 2, 3, 4, 5, 6}),
        Ziehung(DatumAus(2020, 3, 4), {3, 5, 12, 19, 27, 44}),
        Ziehung(DatumAus(2020, 3, 8), {1, 5, 12, 20, 30, 40}),
    });
    auto* suche = Teil<QPushButton>(0, "BSuche0");
    auto* treffer = Teil<QLabel>(0, "LErg0");
    auto* gitter = Teil<QTableView>(0, "GKombi70");
    Zahl(0, 5);
    EXPECT_FALSE(suche->isEnabled());
    Zahl(0, 12);
    EXPECT_TRUE(suche->isEnabled());
    EXPECT_TRUE(Teil<QToolButton>(0, "BNr012")->isChecked());
    Klick(suche);
    EXPECT_EQ(treffer->text(), "2");
    EXPECT_EQ(treffer->palette().color(QPalette::Window), QColor(0x40, 0xc0, 0x40));
    ASSERT_EQ(gitter->model()->rowCount(), 2);
    EXPECT_EQ(Zelle(gitter, 0, 1), "04.03.2020");
    EXPECT_EQ(Zelle(gitter, 0, 2), "3,19,27,44");
    EXPECT_EQ(Zelle(gitter, 1, 0), "2");

    // A seventh number is refused and keeps the unchosen look.
    for (int n : {1, 2, 3, 4}) Zahl(0, n);
    Zahl(0, 45);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_EQ(nachrichten.meldungen[0].text, "Sie können maximal sechs Zahlen für die Suche angeben.");
    EXPECT_FALSE(Teil<QToolButton>(0, "BNr045")->isChecked());

    Klick(suche);  // {1,2,3,4,5,12} was never drawn
    EXPECT_EQ(treffer->text(), "0");
    EXPECT_EQ(treffer->palette().color(QPalette::Window), QColor(0xe0, 0x40, 0x40));
    EXPECT_EQ(gitter->model()->rowCount(), 0);

    Klick(Teil<QToolButton>(0, "BDel0"));
    EXPECT_FALSE(suche->isEnabled());
    EXPECT_EQ(treffer->text(), "");
    for (int n : {1, 5, 12}) EXPECT_FALSE(Teil<QToolButton>(0, Name("BNr", 0, n))->isChecked());
}

TEST_F(StatistikFenster, OptionCarriesViewZeroToTheDayViews) {
    Bauen(referenz::ZufallsZiehungen(50, 10));
    Zahl(0, 7);
    auto* option = Teil<QCheckBox>(0, "cbAuch0");
    Klick(option);  // ticking copies what is chosen so far
    for (int v : {1, 2}) EXPECT_TRUE(Teil<QToolButton>(v, Name("BNr", v, 7))->isChecked()) << v;
    Zahl(0, 9);
    for (int v : {1, 2}) {
        EXPECT_TRUE(Teil<QToolButton>(v, Name("BNr", v, 9))->isChecked()) << v;
        EXPECT_TRUE(Teil<QPushButton>(v, Name("BSuche", v))->isEnabled()) << v;
    }
    Klick(Teil<QPushButton>(0, "BSuche0"));  // searches every view in its own period
    for (int v : {1, 2}) EXPECT_FALSE(Teil<QLabel>(v, Name("LErg", v))->text().isEmpty()) << v;

    Klick(Teil<QToolButton>(0, "BDel0"));
    for (int v = 0; v < 3; ++v) {
        EXPECT_FALSE(Teil<QToolButton>(v, Name("BNr", v, 7))->isChecked()) << v;
        EXPECT_FALSE(Teil<QPushButton>(v, Name("BSuche", v))->isEnabled()) << v;
        EXPECT_TRUE(Teil<QLabel>(v, Name("LErg", v))->text().isEmpty()) << v;
    }
    Klick(option);  // unticked: view 0 goes alone
    Zahl(0, 8);
    EXPECT_FALSE(Teil<QToolButton>(1, "BNr18")->isChecked());
}

TEST_F(StatistikFenster, EmptyHistoryOffersTheDownload) {
    Bauen({});
    QSignalSpy download(fenster.data(), &TFStatistik::downloadGewuenscht);
    Klick(Teil<QPushButton>(1, "BStart31"));
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Information);
    EXPECT_EQ(nachrichten.meldungen[0].text, " Bitte Verbindung zum Internet bestehen.");
    EXPECT_FALSE(fenster->ZaehlungLaeuft());

    // The search finds nothing in an empty list.
    Zahl(1, 3);
    Zahl(1, 4);
    Klick(Teil<QPushButton>(1, "BSuche1"));
    EXPECT_EQ(Teil<QLabel>(1, "LErg1")->text(), "0");

    nachrichten.antworten = {Nachrichtendienst::Antwort::Nein, Nachrichtendienst::Antwort::Abbrechen};
    Klick(Teil<QToolButton>(0, "BStart0"));
    Klick(fenster->Frame(0)->letzteX[0]);
    EXPECT_EQ(download.count(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(fenster.isNull());
    ASSERT_EQ(nachrichten.meldungen.size(), 3u);
    EXPECT_EQ(nachrichten.meldungen[1].art, NachrichtenAttrappe::Art::Frage);
    EXPECT_EQ(nachrichten.meldungen[1].text,
              "Für eine statistische Auswertung fehlen die Gewinnreihen.\n\nSoll ich den Downloadbereich öffnen?");

    Klick(Teil<QToolButton>(2, "BStart2"));  // answered Yes
    EXPECT_EQ(download.count(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
}

}  // namespace
}  // namespace quintaro

// The random tip window driven through its real widgets.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <fstream>
#include <set>

#include "app/mappe/mappendatei.h"
#include "app/start/programmstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/tabellendienst.h"
#include "core/datei.h"
#include "core/einstellungen.h"
#include "random/quotenkiller.h"
#include "random/ui/tfzufall.h"
#include "random/ui/zufallsbausteine.h"
#include "statistics/ui/statistik_bausteine.h"
#include "ui_umgebung.h"

namespace quintaro {
namespace {

using Art = NachrichtenAttrappe::Art;

class ZufallFenster : public Scheintestumgebung {
protected:
    void TearDown() override {
        delete fenster.data();
        SetzeMappenoeffner({});
        Scheintestumgebung::TearDown();
    }
    void Bauen() {
        delete fenster.data();
        fenster = new TFZufall;
        fenster->show();
    }
    TBZufall* Knopf(int a, int n) const {
        auto* k = fenster->findChild<TBZufall*>(QStringLiteral("BZuf") + QString::number(n + 100 * a));
        EXPECT_NE(k, nullptr) << n + 100 * a;
        return k;
    }
    void Klick(QAbstractButton* k) const { QTest::mouseClick(k, Qt::LeftButton); }
    void Zahl(int a, int n) const { Klick(Knopf(a, n)); }
    // Types the count, presses "Viel Glück!" and waits for the rows.
    void Erzeugen(const QString& anzahl) {
        fenster->EAnz->setText(anzahl);
        Klick(fenster->BStart);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !fenster->LaufAktiv(); }, 20000));
        QCoreApplication::processEvents();
    }
    QString Zelle(int zeile, int spalte) const { return fenster->GZuf->model()->index(zeile, spalte).data().toString(); }
    QColor Farbe(int zeile, int spalte) const {
        return fenster->GZuf->model()->index(zeile, spalte).data(Qt::BackgroundRole).value<QColor>();
    }
    int Zeilen() const { return fenster->GZuf->model()->rowCount(); }
    QString Meldungen() const {
        QString alle;
        for (const auto& m : nachrichten.meldungen) alle += m.text + QStringLiteral("|");
        return alle;
    }

    QPointer<TFZufall> fenster;
};

TEST_F(ZufallFenster, StartsEmptyWithoutASettingsFile) {
    KillerMenge() = {4, 5};  // left from an earlier window
    Bauen();
    EXPECT_EQ(fenster->windowTitle(), "Quintaro 1.3.1.0");
    EXPECT_EQ(fenster->EAnz->text(), "");
    EXPECT_TRUE(KillerMenge().leer());
    for (int a = 1; a <= 3; ++a)
        for (int n : {1, 17, 45}) {
            EXPECT_FALSE(Knopf(a, n)->isHidden());
            EXPECT_FALSE(Knopf(a, n)->aussehen().has_value());
            EXPECT_EQ(Knopf(a, n)->text(), QString::number(n));
        }
    for (int n : {1, 45}) EXPECT_EQ(fenster->BStatW[std::size_t(n)]->text(), "0");
    EXPECT_EQ(fenster->BAuf->text(), "Aufsteigend sortieren");
    EXPECT_EQ(fenster->LReihen->text(), "Zufallsreihen");
    auto* modell = fenster->GZuf->model();
    EXPECT_EQ(modell->columnCount(), 7);
    EXPECT_EQ(modell->headerData(0, Qt::Horizontal).toString(), "Reihe");
    EXPECT_EQ(modell->headerData(6, Qt::Horizontal).toString(), "Z6");
    EXPECT_FALSE(fenster->BStopp->isEnabled());
    EXPECT_LE(fenster->minimumSize().width(), 1366);
    EXPECT_LE(fenster->minimumSize().height(), 768);
}

TEST_F(ZufallFenster, ARoleHidesTheNumberOnTheOtherPanelsAndLimitsRefuse) {
    Bauen();
    Zahl(1, 7);
    EXPECT_EQ(Knopf(1, 7)->aussehen(), Rolle::Bank);
    EXPECT_TRUE(Knopf(2, 7)->isHidden());
    EXPECT_TRUE(Knopf(3, 7)->isHidden());
    Zahl(3, 8);
    EXPECT_EQ(Knopf(3, 8)->aussehen(), Rolle::Favorit);
    EXPECT_TRUE(Knopf(1, 8)->isHidden());
    Zahl(1, 7);  // off again
    EXPECT_FALSE(Knopf(1, 7)->aussehen().has_value());
    EXPECT_FALSE(Knopf(2, 7)->isHidden());
    EXPECT_FALSE(Knopf(3, 7)->isHidden());
    EXPECT_TRUE(nachrichten.meldungen.empty());

    for (int n = 1; n <= 5; ++n) Zahl(1, n);
    Zahl(1, 6);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, Art::Fehler);
    EXPECT_EQ(nachrichten.meldungen[0].text, "Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.");
    EXPECT_FALSE(Knopf(1, 6)->aussehen().has_value());
    EXPECT_FALSE(Knopf(2, 6)->isHidden());

    // Banker numbers 1..3 and 41 quota killers: the 42nd is refused.
    Zahl(1, 4);
    Zahl(1, 5);
    for (int n = 9; n <= 45; ++n) Zahl(2, n);
    for (int n : {4, 5, 6, 7}) Zahl(2, n);
    EXPECT_EQ(KillerAnzahl(), 41);
    Zahl(3, 8);  // the favourite 8 gives way
    Zahl(2, 8);
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_EQ(nachrichten.meldungen[1].text,
              "Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.\n\nIch breche ab.");
    EXPECT_FALSE(KillerMenge().enthaelt(8));
    EXPECT_EQ(Knopf(2, 45)->aussehen(), Rolle::Killer);

    // The four looks differ.
    Zahl(3, 8);
    const std::set<QString> looks = {Knopf(1, 1)->styleSheet(), Knopf(2, 45)->styleSheet(), Knopf(3, 8)->styleSheet(),
                                     Knopf(3, 6)->styleSheet()};
    EXPECT_EQ(looks.size(), 4u);

    // The clear button frees every quota killer.
    Klick(fenster->BDel[2]);
    EXPECT_TRUE(KillerMenge().leer());
    for (int n : {4, 9, 45}) {
        EXPECT_FALSE(Knopf(2, n)->aussehen().has_value());
        EXPECT_FALSE(Knopf(3, n)->isHidden());
    }
    EXPECT_EQ(fenster->rollen().ZufBankAnzahl(), 3);
}

TEST_F(ZufallFenster, FiveBankersGiveTheFortyRowsThatExist) {
    Bauen();
    for (int n : {3, 9, 17, 28, 40}) Zahl(1, n);
    Zahl(3, 44);
    Erzeugen("40");
    ASSERT_EQ(Zeilen(), 40);
    EXPECT_EQ(fenster->LReihen->text(), "40 Zufallsreihen");
    std::set<QString> sechste;
    for (int r = 0; r < 40; ++r) {
        EXPECT_EQ(Zelle(r, 0), QString::number(r + 1));
        QStringList zahlen;
        for (int c = 1; c <= 6; ++c) zahlen << Zelle(r, c);
        for (const char* b : {"3", "9", "17", "28", "40"}) EXPECT_TRUE(zahlen.contains(b)) << r;
        QStringList rest = zahlen;
        for (const char* b : {"3", "9", "17", "28", "40"}) rest.removeOne(b);
        sechste.insert(rest.value(0));
        for (int c = 1; c <= 6; ++c) {
            const int zahl = Zelle(r, c).toInt();
            const QColor erwartet = zahl == 44 ? FavoritGitterFarbe
                                    : QList<int>{3, 9, 17, 28, 40}.contains(zahl) ? BankGitterFarbe
                                                                                  : QColor(Qt::white);
            EXPECT_EQ(Farbe(r, c), erwartet) << r << "," << c;
        }
    }
    EXPECT_EQ(sechste.size(), 40u);
    EXPECT_EQ(fenster->BStatW[3]->text(), "40");
    EXPECT_EQ(fenster->BStatW[44]->text(), "1");
    EXPECT_EQ(fenster->BStatW[3]->palette().color(QPalette::Window), BankPlattenFarbe);
    EXPECT_EQ(fenster->BStatW[44]->palette().color(QPalette::Window), FavoritPlattenFarbe);
    EXPECT_EQ(fenster->BStatW[1]->palette().color(QPalette::Window), fenster->palette().color(QPalette::Button));
    EXPECT_EQ(fenster->Gauge->value(), 40);

    // A refusal changes neither the grid nor the label nor the counts.
    const struct {
        const char* eingabe;
        QString meldung;
    } faelle[] = {
        {"41", "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 41 Tippreihen zu bilden.\n\nich muss abbrechen."},
        {"0", "Bitte geben Sie mindestens eine Tippreihe an.\n\nIch breche erst einmal ab."},
        {"zwölf", "'zwölf' ist kein gültiger Integerwert"},
        {"2,5", "'2,5' ist kein gültiger Integerwert"},
    };
    const QString ersteZeile = Zelle(0, 6);
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.eingabe);
        nachrichten.meldungen.clear();
        fenster->EAnz->setText(QString::fromUtf8(f.eingabe));
        Klick(fenster->BStart);
        EXPECT_FALSE(fenster->LaufAktiv());
        ASSERT_EQ(nachrichten.meldungen.size(), 1u);
        EXPECT_EQ(nachrichten.meldungen[0].art, Art::Fehler);
        EXPECT_EQ(nachrichten.meldungen[0].text, f.meldung);
        EXPECT_EQ(Zeilen(), 40);
        EXPECT_EQ(Zelle(0, 6), ersteZeile);
        EXPECT_EQ(fenster->LReihen->text(), "40 Zufallsreihen");
        EXPECT_EQ(fenster->BStatW[3]->text(), "40");
    }
    // After a role change the plates take the new colours, also when refused.
    Zahl(1, 3);
    Klick(fenster->BStart);
    EXPECT_EQ(fenster->BStatW[3]->palette().color(QPalette::Window), fenster->palette().color(QPalette::Button));
    // The grid shades by the roles as they are now.
    for (int c = 1; c <= 6; ++c)
        if (Zelle(0, c) == "3") {
            EXPECT_EQ(Farbe(0, c), QColor(Qt::white));
        }
}

TEST_F(ZufallFenster, LongRunsLockTheChoicesAndStopWithTheRowsSoFar) {
    Bauen();
    Zahl(1, 12);
    fenster->EAnz->setText("1000000");
    Klick(fenster->BStart);
    ASSERT_TRUE(fenster->LaufAktiv());
    EXPECT_FALSE(fenster->BStart->isEnabled());
    EXPECT_FALSE(fenster->EAnz->isEnabled());
    EXPECT_FALSE(fenster->P[1]->isEnabled());
    EXPECT_FALSE(fenster->BSave->isEnabled());
    EXPECT_FALSE(fenster->BAuf->isEnabled());
    EXPECT_EQ(Zeilen(), 0);
    EXPECT_TRUE(fenster->BStopp->isEnabled());
    EXPECT_EQ(fenster->Gauge->maximum(), 1000000);
    fenster->BStartClick();  // a second start while one runs does nothing
    fenster->BLotAuswerten(113);
    EXPECT_FALSE(fenster->rollen().RolleVon(13).has_value());
    ASSERT_TRUE(QTest::qWaitFor([&] { return fenster->Gauge->value() > 0; }, 10000));
    Klick(fenster->BStopp);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fenster->LaufAktiv(); }, 10000));
    const int angenommen = int(fenster->ergebnis().Zufreihen.size());
    EXPECT_GT(angenommen, 0);
    EXPECT_LT(angenommen, 1000000);
    EXPECT_EQ(Zeilen(), angenommen);
    EXPECT_EQ(fenster->LReihen->text(), QString("%1 von 1000000 Zufallsreihen (angehalten)").arg(angenommen));
    EXPECT_EQ(fenster->BStatW[12]->text(), QString::number(angenommen));
    EXPECT_TRUE(fenster->BStart->isEnabled());
    EXPECT_TRUE(fenster->P[1]->isEnabled());
    EXPECT_FALSE(fenster->BStopp->isEnabled());
    EXPECT_TRUE(nachrichten.meldungen.empty());

    // Closing during a run stops it and destroys the window.
    fenster->EAnz->setText("1000000");
    Klick(fenster->BStart);
    ASSERT_TRUE(fenster->LaufAktiv());
    EXPECT_TRUE(fenster->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
    QCoreApplication::processEvents();
}

TEST_F(ZufallFenster, SortingOrdersThePlatesAndANewRunKeepsTheOrder) {
    Bauen();
    Zahl(1, 20);
    Zahl(2, 1);
    Erzeugen("30");
    Klick(fenster->BAuf);
    EXPECT_TRUE(fenster->Sortiert());
    EXPECT_EQ(fenster->BAuf->text(), "Von 1 - 45 sortieren");
    const auto folge = Verteilungsfolge(fenster->ergebnis().NrCount, true);
    EXPECT_EQ(folge[0], 1);   // the quota killer never occurs
    EXPECT_EQ(folge[44], 20);  // the banker number in every row
    for (int slot : {1, 2, 45}) {
        const int n = folge[std::size_t(slot - 1)];
        EXPECT_EQ(fenster->BStatNr[std::size_t(slot)]->text(), QString::number(n));
        EXPECT_EQ(fenster->BStatW[std::size_t(n)]->x(), fenster->ENrEcke[std::size_t(slot)].x());
        EXPECT_GT(fenster->BStatW[std::size_t(n)]->y(), fenster->ENrEcke[std::size_t(slot)].y());
    }
    Erzeugen("31");
    for (int slot = 1; slot <= 45; ++slot)
        EXPECT_EQ(fenster->BStatNr[std::size_t(slot)]->text(), QString::number(folge[std::size_t(slot - 1)]));
    EXPECT_EQ(fenster->BStatW[20]->text(), "31");
    Klick(fenster->BAuf);
    EXPECT_EQ(fenster->BAuf->text(), "Aufsteigend sortieren");
    for (int n : {1, 20, 45}) {
        EXPECT_EQ(fenster->BStatNr[std::size_t(n)]->text(), QString::number(n));
        EXPECT_EQ(fenster->BStatW[std::size_t(n)]->x(), fenster->ENrEcke[std::size_t(n)].x());
    }
}

TEST_F(ZufallFenster, SavesAndExportsTheRowsOrRefusesAnEmptyGrid) {
    Bauen();
    Klick(fenster->BSave);
    Klick(fenster->BCSV);
    Klick(fenster->BExcel);
    ASSERT_EQ(nachrichten.meldungen.size(), 3u);
    EXPECT_EQ(nachrichten.meldungen[0].text, "Die Tabelle ist leer. Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(nachrichten.meldungen[1].text, nachrichten.meldungen[0].text);
    EXPECT_EQ(nachrichten.meldungen[2].text,
              "Die Tabelle ist leer. Es gibt nichts zu exportieren.\n\nIch breche erst einmal ab.");
    EXPECT_TRUE(dialoge.fragen.empty());
    nachrichten.meldungen.clear();

    Zahl(1, 5);
    Erzeugen("25");
    const auto& reihen = fenster->ergebnis().Zufreihen;
    std::string erwartet;
    for (const auto& r : reihen) erwartet += ReiheAlsText(r) + "\r\n";

    dialoge.antworten = {{pfad("tipps")}, {pfad("tipps.csv")}, {}};
    Klick(fenster->BSave);
    ASSERT_EQ(dialoge.fragen.size(), 1u);
    EXPECT_EQ(dialoge.fragen[0].titel, "Als Spielschein speichern...");
    EXPECT_EQ(dialoge.fragen[0].filter, QStringList{"Spielschein-Datei (*.nqtr)"});
    EXPECT_EQ(dialoge.fragen[0].endung, "nqtr");
    EXPECT_EQ(std::filesystem::path(dialoge.fragen[0].ordner.toStdString()), DatenPfad());
    const Bytes schein = LiesDatei(datei("tipps.nqtr"));
    EXPECT_EQ(std::string(schein.begin(), schein.end()), erwartet);
    EXPECT_EQ(fenster->LDatei->text(), "Gespeichert in: tipps.nqtr");

    Klick(fenster->BCSV);
    ASSERT_EQ(dialoge.fragen.size(), 2u);
    EXPECT_EQ(dialoge.fragen[1].titel, "Als CSV-Datei speichern...");
    EXPECT_EQ(dialoge.fragen[1].filter, QStringList{"CSV-Datei (*.csv)"});
    EXPECT_EQ(dialoge.fragen[1].endung, "csv");
    EXPECT_EQ(LiesDatei(datei("tipps.csv")), schein);
    EXPECT_EQ(fenster->LDatei->text(), "Gespeichert in: tipps.csv");

    Klick(fenster->BSave);  // cancelled: nothing happens
    EXPECT_EQ(fenster->LDatei->text(), "Gespeichert in: tipps.csv");
    EXPECT_TRUE(nachrichten.meldungen.empty());

    QString mappe;
    SetzeMappenoeffner([&](const QString& datei) {
        mappe = datei;
        return true;
    });
    Klick(fenster->BExcel);
    ASSERT_FALSE(mappe.isEmpty()) << Meldungen().toStdString();
    const Tabellenblatt blatt = MappeLesen(mappe.toStdString());
    EXPECT_EQ(blatt.name, "Tippreihen");
    ASSERT_EQ(blatt.zellen.size(), 25u);
    for (std::size_t r = 0; r < 25; ++r) {
        std::vector<std::string> zahlen;
        for (std::uint8_t z : reihen[r]) zahlen.push_back(std::to_string(z));
        EXPECT_EQ(std::vector<std::string>(blatt.zellen[r].begin(), blatt.zellen[r].begin() + 6), zahlen) << r;
    }
    QFile::remove(mappe);
}

TEST_F(ZufallFenster, SettingsAreRestoredThroughTheLimitsAndWrittenWhenClosed) {
    {
        Einstellungen e;
        e.schreibeText("Zufall", "Anzahl", "");
        e.schreibeText("Zufall", "Bankzahlen", "7,21,33,x,99");
        e.schreibeText("Zufall", "Quotenkiller", "7,8,,8");
        e.schreibeText("Zufall", "Favoriten", "8,9,10");
    }
    Bauen();
    EXPECT_EQ(fenster->EAnz->text(), "12");
    EXPECT_EQ(fenster->rollen().AlsText(Rolle::Bank), "7,21,33");
    EXPECT_EQ(fenster->rollen().ZufBankAnzahl(), 3);
    EXPECT_EQ(fenster->rollen().AlsText(Rolle::Killer), "8");
    EXPECT_EQ(fenster->rollen().AlsText(Rolle::Favorit), "9,10");
    EXPECT_EQ(Knopf(1, 21)->aussehen(), Rolle::Bank);
    EXPECT_TRUE(Knopf(3, 8)->isHidden());
    EXPECT_TRUE(nachrichten.meldungen.empty());

    Zahl(3, 40);
    fenster->EAnz->setText("77");
    fenster->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(fenster.isNull());
    EXPECT_EQ(KillerMenge(), TZahlenMenge{8});  // stays for the system choice
    const Einstellungen e;
    EXPECT_EQ(e.leseText("Zufall", "Anzahl", ""), "77");
    EXPECT_EQ(e.leseText("Zufall", "Bankzahlen", ""), "7,21,33");
    EXPECT_EQ(e.leseText("Zufall", "Quotenkiller", ""), "8");
    EXPECT_EQ(e.leseText("Zufall", "Favoriten", ""), "9,10,40");

    Bauen();
    EXPECT_EQ(fenster->rollen().AlsText(Rolle::Favorit), "9,10,40");
    EXPECT_EQ(fenster->EAnz->text(), "77");
}

TEST_F(ZufallFenster, CreatedAtStartShownByTheToolbarAndCreatedAgainAfterClosing) {
    FensterRegistrieren();
    auto& v = Fensterverwaltung::Instanz();
    ASSERT_TRUE(v.verfuegbar(Ziel::Zufall));
    v.erzeugeStartfenster();
    QPointer<QWidget> amStart = FindeFenster("FZufall");
    ASSERT_FALSE(amStart.isNull());
    EXPECT_FALSE(amStart->isVisible());
    EXPECT_EQ(v.oeffne(Ziel::Zufall), amStart.data());  // the window of the start, not a second one
    EXPECT_TRUE(amStart->isVisible());
    EXPECT_NE(amStart->findChild<QObject*>("Werkzeugleiste"), nullptr);

    static_cast<TFZufall*>(amStart.data())->EAnz->setText("5");
    amStart->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(amStart.isNull());
    auto* neu = static_cast<TFZufall*>(v.oeffne(Ziel::Zufall));
    ASSERT_NE(neu, nullptr);
    EXPECT_EQ(neu->EAnz->text(), "5");  // read again from the settings
    fenster = neu;
}

}  // namespace
}  // namespace quintaro

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolBar>

#include "app/ui/fensterverwaltung.h"
#include "app/start/programmstart.h"
#include "app/start/tfstart.h"
#include "app/ui/werkzeugleiste.h"
#include "core/datei.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/tfauswertung.h"
#include <QTabWidget>
#include "testumgebung.h"

using namespace quintaro;

namespace {
class Programmstart : public Testumgebung {};
}  // namespace

TEST_F(Programmstart, FirstStartCreatesTheDataFolderAndASecondLeavesItsFiles) {
    const auto ordner = std::filesystem::path(ordner_.path().toStdString()) / "neu" / "Quintaro";
    qputenv("QUINTARO_DATA_DIR", QByteArray::fromStdString(ordner.string()));
    {
        TFStart start;
        EXPECT_TRUE(std::filesystem::is_directory(ordner));
    }
    EXPECT_EQ(DateiGroesse(ordner / "Demo-Systemschein.sqtr"), 46);
    EXPECT_GT(DateiGroesse(ordner / "Demo-Normalschein.nqtr"), 0);
    // A first start that finds a folder with other files still gets the missing sample ticket.
    SchreibeDateiAtomar(ordner / "GZ.645", Bytes(16, 1));
    const auto geschrieben = std::filesystem::last_write_time(ordner / "Demo-Systemschein.sqtr");
    std::filesystem::remove(ordner / "Demo-Normalschein.nqtr");
    {
        TFStart zweiter;
    }
    EXPECT_EQ(DateiGroesse(ordner / "GZ.645"), 16);
    EXPECT_EQ(std::filesystem::last_write_time(ordner / "Demo-Systemschein.sqtr"), geschrieben);
    EXPECT_GT(DateiGroesse(ordner / "Demo-Normalschein.nqtr"), 0);
    // Once the program has written its settings, a ticket the user deleted stays deleted.
    SchreibeDateiAtomar(ordner / "Einstellungen.ini", std::string_view("[Spielscheine]\r\n"));
    std::filesystem::remove(ordner / "Demo-Normalschein.nqtr");
    {
        TFStart dritter;
    }
    EXPECT_FALSE(std::filesystem::exists(ordner / "Demo-Normalschein.nqtr"));
    std::filesystem::remove(ordner / "Einstellungen.ini");

    // Without a settings file the main window opens both sample tickets, the system ticket first.
    FensterRegistrieren();
    std::unique_ptr<TFAuswertung> haupt(HauptfensterErzeugen());
    SchreibeDateiAtomar(ordner / "Demo-Normalschein.nqtr", std::string_view("3,11,17,28,40,45\r\n"));
    haupt->show();
    QTabWidget* tabs = haupt->auswertungsseite()->PC1;
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), "Demo-Systemschein");
    EXPECT_EQ(tabs->tabText(1), "Demo-Normalschein");
}

TEST_F(Programmstart, StartWindowAnnouncesTheFixedFigureAndFadesToTheMainWindow) {
    FensterRegistrieren();
    auto* start = new TFStart;
    EXPECT_EQ(start->LSysAnz->text(), "   390 Systeme inside   ");
    EXPECT_FALSE(start->BWeiter->isEnabled());
    std::unique_ptr<TFAuswertung> haupt(HauptfensterErzeugen());
    start->setzeHauptfenster(haupt.get());
    start->setzeSchrittdauer(0);
    start->setzeInitialisiert(true);
    start->show();
    EXPECT_TRUE(start->BWeiter->isEnabled());
    QPointer<TFStart> beobachter(start);
    bool fertig = false;
    QObject::connect(start, &TFStart::ueberblendet, [&] { fertig = true; });
    QTest::mouseClick(start->BWeiter, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fertig; }, 5000));
    EXPECT_TRUE(haupt->isVisible());
    EXPECT_DOUBLE_EQ(haupt->windowOpacity(), 1.0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return beobachter.isNull(); }, 2000));
}

TEST_F(Programmstart, OpenOrCreateReusesAnOpenWindowAndRecreatesAClosedOne) {
    int erzeugt = 0;
    auto& v = Fensterverwaltung::Instanz();
    v.leeren();
    v.registriere(Ziel::Statistik, {"FStatistik", 1050, false, false, true, [&] {
                                        ++erzeugt;
                                        return static_cast<QWidget*>(new QMainWindow);
                                    }});
    v.registriere(Ziel::Kal, {"FKal", 1120, true, false, false, [&] {
                                  ++erzeugt;
                                  return static_cast<QWidget*>(new QMainWindow);
                              }});
    QWidget* erstes = v.oeffne(Ziel::Statistik);
    EXPECT_TRUE(FensterOffen("FStatistik"));
    EXPECT_FALSE(FensterOffen("fstatistik"));  // names compare exactly
    EXPECT_EQ(v.oeffne(Ziel::Statistik), erstes);
    EXPECT_EQ(erzeugt, 1);
    erstes->close();
    QWidget* zweites = v.oeffne(Ziel::Statistik);
    EXPECT_EQ(erzeugt, 2);
    zweites->close();

    QWidget* kalender = v.oeffne(Ziel::Kal);
    kalender->close();  // only hidden
    EXPECT_TRUE(FensterOffen("FKal"));
    EXPECT_EQ(v.oeffne(Ziel::Kal), kalender);
    EXPECT_EQ(erzeugt, 3);
    delete kalender;
    QTest::qWait(10);
    EXPECT_FALSE(v.oeffne(Ziel::Quoten));  // not registered
}

TEST_F(Programmstart, ToolbarLeavesOutTheOwnWindowAndDisablesWhatIsMissing) {
    auto& v = Fensterverwaltung::Instanz();
    v.leeren();
    v.registriere(Ziel::Statistik, {"FStatistik", 1050, false, false, true, [] { return static_cast<QWidget*>(new QMainWindow); }});
    v.registriere(Ziel::Quoten, {"FQuoten", 1090, false, false, false, {}});
    QMainWindow fenster;
    QToolBar* leiste = WerkzeugleisteAnbringen(&fenster, Ziel::Zufall, 1130);
    const auto knopf = [&](const char* name) { return leiste->findChild<QAction*>(name); };
    EXPECT_EQ(knopf("BZufall"), nullptr);
    ASSERT_NE(knopf("BStatistik"), nullptr);
    EXPECT_TRUE(knopf("BStatistik")->isEnabled());
    EXPECT_FALSE(knopf("BQuoten")->isEnabled());
    ASSERT_NE(knopf("BClose"), nullptr);
    fenster.show();
    knopf("BClose")->trigger();
    EXPECT_FALSE(fenster.isVisible());
}

// A history that is a loop of links used to abort the start with an English
// library message; an unreadable settings file was loaded as empty and then
// replaced by the keys of the main window alone.
TEST_F(Programmstart, UnreadableFilesAtStartAreReportedOnceInGermanAndLeftAlone) {
    std::filesystem::create_symlink("GZ.645", datei(ZiehungsDateiName));
    std::filesystem::create_directory(datei(QuotenDateiName));
    std::filesystem::create_symlink("Einstellungen.ini", datei(EinstellungsDateiName));
    FensterRegistrieren();
    std::unique_ptr<TFAuswertung> haupt(HauptfensterErzeugen());
    haupt->show();
    haupt->close();
    haupt->show();
    haupt->close();
    QStringList texte;
    for (const auto& m : nachrichten.meldungen) {
        EXPECT_EQ(m.art, NachrichtenAttrappe::Art::Fehler);
        texte << m.text;
    }
    ASSERT_EQ(texte.size(), 3) << texte.join("|").toStdString();
    EXPECT_TRUE(texte[0].contains("\"GZ.645\" kann nicht gelesen werden: Der Pfad enthält zu viele oder kreisförmige"));
    EXPECT_TRUE(texte[1].contains("\"Quo.645\" kann nicht gelesen werden: Der Name bezeichnet einen Ordner."));
    EXPECT_TRUE(texte[2].contains("\"Einstellungen.ini\" kann nicht gelesen werden"));
    EXPECT_TRUE(std::filesystem::is_symlink(datei(EinstellungsDateiName)));
    EXPECT_TRUE(std::filesystem::is_symlink(datei(ZiehungsDateiName)));
    EXPECT_TRUE(Daten().GZListe.empty());
}

// The system ticket entry and windows opened on demand were never deleted:
// at the end only the main window was.
TEST_F(Programmstart, TheWindowTableDeletesItsWindowsAtTheEnd) {
    FensterRegistrieren();
    std::unique_ptr<TFAuswertung> haupt(HauptfensterErzeugen());
    QPointer<QWidget> eingabe = FindeFenster("FEingabeSys");
    ASSERT_TRUE(eingabe);
    eingabe->close();  // only hidden
    QPointer<QWidget> statistik = Fensterverwaltung::Instanz().oeffne(Ziel::Statistik);
    ASSERT_TRUE(statistik);
    statistik->close();  // waits for its deletion, which no event loop runs here
    QPointer<QWidget> zweite = Fensterverwaltung::Instanz().oeffne(Ziel::Statistik);
    ASSERT_NE(zweite, statistik);
    Fensterverwaltung::Instanz().fensterLoeschen();
    EXPECT_TRUE(eingabe.isNull());
    EXPECT_TRUE(statistik.isNull());
    EXPECT_TRUE(zweite.isNull());
    EXPECT_FALSE(FensterOffen("FEingabeSys"));
    Fensterverwaltung::Instanz().fensterLoeschen();  // nothing left to delete twice
}

// The evaluation side of the main window: opening files into tabs, closing
// tabs, and what it remembers in the settings file.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <fstream>

#include "core/datum.h"
#include "core/einstellungen.h"
#include "core/scheindateien.h"
#include "evaluation/beispielscheine.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/frscheine.h"
#include "ui_umgebung.h"

using namespace quintaro;

namespace {
class Seite : public Scheintestumgebung {
protected:
    void SetUp() override {
        Scheintestumgebung::SetUp();
        Daten().GZListe = {TestZiehung(DatumAus(2010, 9, 5), {1, 2, 3, 4, 5, 6}, 7),
                           TestZiehung(DatumAus(2010, 9, 8), {1, 2, 3, 4, 5, 6}, 7)};
        for (const char* name : {"a.nqtr", "b.nqtr", "c.nqtr"})
            std::ofstream(datei(name), std::ios::binary) << "1,2,3,4,5,6\r\n";
        SystemscheinSpeichern(SystemscheinBauen(1, {}, {1, 2, 3, 4, 5, 6, 7}), datei("s.sqtr"));
        seite.setzeZiehungsauswahl(Auswahl());
    }
    QStringList Reiter() const {
        QStringList namen;
        for (int i = 0; i < seite.PC1->count(); ++i) namen << seite.PC1->tabText(i);
        return namen;
    }
    static Einstellungen Ini() { return Einstellungen(); }

    Auswertungsseite seite;
};
}  // namespace

TEST_F(Seite, EachFileGetsANamedTabWithTheFrameOfItsKind) {
    QWidget* normal = seite.DateienEinlesen(datei("a.nqtr"));
    QWidget* system = seite.DateienEinlesen(datei("s.sqtr"));
    std::ofstream(datei("notiz.txt")) << "nichts";
    QWidget* anderes = seite.DateienEinlesen(datei("notiz.txt"));
    EXPECT_EQ(Reiter(), (QStringList{"a", "s", "notiz"}));
    EXPECT_EQ(normal->objectName(), "Tab1");
    EXPECT_EQ(system->property("Tag").toInt(), 2);
    EXPECT_NE(normal->findChild<TFFrScheineN*>("fr1"), nullptr);
    auto* frame = system->findChild<TFFrScheine*>("fr2");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->Combo1->count(), 2);
    EXPECT_EQ(frame->Combo1->currentIndex(), 1);
    EXPECT_EQ(seite.BankMengen.size(), 1u);
    EXPECT_EQ(anderes->findChild<AuswertungsRahmen*>(), nullptr);

    // The draw list changes: every open frame gets the new items.
    Daten().GZListe.push_back(TestZiehung(DatumAus(2010, 9, 12), {1, 2, 3, 4, 5, 6}, 7));
    seite.setzeZiehungsauswahl(Auswahl());
    EXPECT_EQ(frame->Combo1->count(), 3);
}

TEST_F(Seite, AFileThatCannotBeReadIsReportedAndGetsNoTab) {
    std::ofstream(datei("kaputt.sqtr"), std::ios::binary) << "zu kurz";
    EXPECT_EQ(seite.DateienEinlesen(datei("kaputt.sqtr")), nullptr);
    EXPECT_EQ(seite.DateienEinlesen(datei("fehlt.nqtr")), nullptr);
    EXPECT_EQ(seite.PC1->count(), 0);
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("kaputt.sqtr"));
    // The tab counter still counts the attempt; names are never reused.
    EXPECT_EQ(seite.DateienEinlesen(datei("a.nqtr"))->objectName(), "Tab3");
}

TEST_F(Seite, OpeningWithMerkenRemembersTheChosenFiles) {
    dialoge.antworten.push_back({pfad("a.nqtr"), pfad("s.sqtr"), pfad("b.nqtr")});
    dialoge.gewaehlterFilter = 2;
    QTest::mouseClick(seite.BOpen, Qt::LeftButton);
    ASSERT_EQ(dialoge.fragen.size(), 1u);
    EXPECT_EQ(dialoge.fragen[0].titel, "Spielschein-Datei einlesen");
    EXPECT_EQ(dialoge.fragen[0].filter.size(), 3);
    EXPECT_TRUE(dialoge.fragen[0].mehrere);
    EXPECT_EQ(Reiter(), (QStringList{"a", "s", "b"}));
    EXPECT_EQ(seite.PC1->currentIndex(), 2);
    EXPECT_EQ(seite.filterIndex(), 2);
    {
        const Einstellungen ini = Ini();
        EXPECT_EQ(ini.leseZahl("Spielscheine", "Dateienanzahl", 0), 3);
        EXPECT_EQ(ini.leseText("Spielscheine", "Datei2", ""), datei("s.sqtr").string());
        EXPECT_EQ(ini.leseText("Spielscheine", "Datei3", ""), datei("b.nqtr").string());
    }
    // Without Merken the remembered list stays as it was.
    seite.cbMerken->setChecked(false);
    dialoge.antworten.push_back({pfad("c.nqtr")});
    seite.BOpenClick();
    EXPECT_EQ(seite.PC1->count(), 4);
    EXPECT_EQ(Ini().leseZahl("Spielscheine", "Dateienanzahl", 0), 3);
    // Cancelling opens nothing.
    seite.BOpenClick();
    EXPECT_EQ(seite.PC1->count(), 4);
}

TEST_F(Seite, ClosingTabs) {
    for (const char* name : {"a.nqtr", "b.nqtr", "c.nqtr", "s.sqtr"}) seite.DateienEinlesen(datei(name));
    seite.PC1->setCurrentIndex(2);
    QTest::mouseClick(seite.BKr2, Qt::LeftButton);
    EXPECT_EQ(Reiter(), (QStringList{"a", "b", "s"}));
    EXPECT_EQ(seite.PC1->currentIndex(), 1);
    // Closing the first of several makes the new first tab the active one.
    seite.PC1->setCurrentIndex(0);
    seite.BKr2Click();
    EXPECT_EQ(Reiter(), (QStringList{"b", "s"}));
    EXPECT_EQ(seite.PC1->currentIndex(), 0);
    QTest::mouseClick(seite.BKr1, Qt::LeftButton);
    EXPECT_EQ(seite.PC1->count(), 0);
    seite.BKr1Click();
    seite.BKr2Click();
    EXPECT_EQ(seite.PC1->count(), 0);
    // Closing keeps the banker sets of closed system tabs.
    EXPECT_EQ(seite.BankMengen.size(), 1u);
}

TEST_F(Seite, StartWithoutSettingsOpensTheSampleTicketsSystemFirst) {
    BeispielscheineAnlegen(DatenPfad());
    seite.EinstellungenLesen();
    EXPECT_EQ(Reiter(), (QStringList{"Demo-Systemschein", "Demo-Normalschein"}));
    EXPECT_TRUE(seite.cbMerken->isChecked());
    EXPECT_TRUE(nachrichten.meldungen.empty());
    // With no choice stored the open dialog offers both ticket kinds.
    seite.BOpenClick();
    ASSERT_EQ(dialoge.fragen.size(), 1u);
    const Dateifrage& frage = dialoge.fragen[0];
    EXPECT_EQ(frage.filter[frage.filterIndex - 1], "Spielschein-Dateien (*.nqtr *.sqtr)");
}

TEST_F(Seite, StartOpensTheRememberedFilesAndReportsMissingOnes) {
    BeispielscheineAnlegen(DatenPfad());
    {
        Einstellungen ini;
        ini.schreibeZahl("Spielscheine", "Dateienanzahl", 3);
        ini.schreibeText("Spielscheine", "Datei1", datei("b.nqtr").string());
        ini.schreibeText("Spielscheine", "Datei2", datei("weg.nqtr").string());
        ini.schreibeText("Spielscheine", "Datei3", datei("s.sqtr").string());
        ini.schreibeZahl("Auswertung", "S-Ziehung", 2);
        ini.schreibeSchalter("Spielscheine", "Merken", false);
    }
    seite.EinstellungenLesen();
    EXPECT_EQ(Reiter(), (QStringList{"b", "s"}));
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Die mit dem Programmstart zu ladende Datei weg.nqtr\n\n wurde nicht gefunden.");
    EXPECT_FALSE(seite.cbMerken->isChecked());
    EXPECT_EQ(seite.filterIndex(), 3);
    EXPECT_EQ(seite.rahmen(1)->tage(), 2);
    EXPECT_EQ(seite.rahmen(0)->tage(), 0);
}

TEST_F(Seite, DayChoicesAreRememberedPerKindAndWrittenOnClose) {
    seite.DateienEinlesen(datei("a.nqtr"));
    seite.DateienEinlesen(datei("s.sqtr"));
    QTest::mouseClick(seite.rahmen(0)->RGTage->button(2), Qt::LeftButton);
    QTest::mouseClick(seite.rahmen(1)->RGTage->button(1), Qt::LeftButton);
    EXPECT_EQ(seite.normalTage(), 2);
    EXPECT_EQ(seite.systemTage(), 1);
    // New tabs start with the remembered choice of their kind.
    seite.DateienEinlesen(datei("b.nqtr"));
    EXPECT_EQ(seite.rahmen(2)->tage(), 2);

    seite.cbMerken->setChecked(false);
    seite.EinstellungenSchreiben();
    const Einstellungen ini = Ini();
    EXPECT_EQ(ini.leseZahl("Auswertung", "N-Ziehung", -1), 2);
    EXPECT_EQ(ini.leseZahl("Auswertung", "S-Ziehung", -1), 1);
    EXPECT_EQ(ini.leseZahl("Spielscheine", "Filterindex", -1), 3);
    EXPECT_FALSE(ini.leseSchalter("Spielscheine", "Merken", true));
}

// The system ticket entry driven with mouse clicks on the drawn form.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

#include "core/datei.h"
#include "core/scheindateien.h"
#include "systems/ui/eingabesys.h"
#include "systems/ui/scheinbild.h"
#include "ui_umgebung.h"

using namespace quintaro;

namespace {
class EingabeSys : public Scheintestumgebung {
protected:
    void Klick(Kreuzart art, int zahl) {
        QTest::mouseClick(fenster.IMG1, Qt::LeftButton, {}, fenster.IMG1->mitteVon({art, zahl}));
    }
    QColor Farbe(QLabel* l) const { return l->palette().color(QPalette::Window); }

    TFEingabeSys fenster;
};
}  // namespace

TEST_F(EingabeSys, NumbersBeforeASystemAreRefusedWithAMessage) {
    EXPECT_EQ(fenster.objectName(), "FEingabeSys");
    Klick(Kreuzart::Wahl, 12);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].text, "Bitte wählen Sie zuächst das System aus.");
    EXPECT_TRUE(fenster.IMG1->wahlKreuze().leer());
    EXPECT_FALSE(fenster.BSave->isEnabled());
}

TEST_F(EingabeSys, System108IsCrossedFilledAndSaved) {
    Klick(Kreuzart::System, 8);
    EXPECT_EQ(fenster.PSys->text(), "108");
    EXPECT_EQ(fenster.PBZmuss->text(), "1");
    EXPECT_EQ(fenster.PWZmuss->text(), "8");
    EXPECT_EQ(fenster.IMG1->systemKreuz(), 8);
    Klick(Kreuzart::Bank, 7);
    for (int z : {1, 2, 3, 4, 5, 6, 8}) Klick(Kreuzart::Wahl, z);
    EXPECT_FALSE(fenster.BSave->isEnabled());
    EXPECT_EQ(Farbe(fenster.PBZGew), TFEingabeSys::Passend);
    EXPECT_NE(Farbe(fenster.PWZgew), TFEingabeSys::Passend);
    Klick(Kreuzart::Wahl, 9);
    EXPECT_EQ(fenster.PWZgew->text(), "8");
    EXPECT_EQ(Farbe(fenster.PWZgew), TFEingabeSys::Passend);
    EXPECT_TRUE(fenster.BSave->isEnabled());
    Klick(Kreuzart::Wahl, 10);  // a ninth is refused silently
    EXPECT_EQ(fenster.PWZgew->text(), "8");
    EXPECT_TRUE(nachrichten.meldungen.empty());

    dialoge.antworten.push_back({pfad("mein108")});
    QTest::mouseClick(fenster.BSave, Qt::LeftButton);
    EXPECT_EQ(dialoge.fragen.at(0).titel, "Systemschein speichern");
    EXPECT_EQ(fenster.LDatei->text(), "Gespeichert: mein108.sqtr");
    Bytes erwartet(46, 0);
    const std::uint8_t kopf[] = {8, 7, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 8, 9};
    std::copy(std::begin(kopf), std::end(kopf), erwartet.begin());
    EXPECT_EQ(LiesDatei(datei("mein108.sqtr")), erwartet);
}

TEST_F(EingabeSys, RemovingTheSystemKeepsNumbersAndDeleteClearsEverything) {
    Klick(Kreuzart::System, 8);
    Klick(Kreuzart::Bank, 7);
    Klick(Kreuzart::Bank, 8);  // beyond the one banker: ignored
    EXPECT_EQ(fenster.PBZGew->text(), "1");
    Klick(Kreuzart::System, 8);
    EXPECT_EQ(fenster.PSys->text(), "");
    EXPECT_EQ(fenster.PBZmuss->text(), "");
    EXPECT_EQ(fenster.PWZmuss->text(), "");
    EXPECT_EQ(fenster.IMG1->bankKreuze(), TZahlenMenge{7});
    EXPECT_FALSE(fenster.BSave->isEnabled());
    QTest::mouseClick(fenster.BDel, Qt::LeftButton);
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_TRUE(fenster.IMG1->bankKreuze().leer());
    EXPECT_EQ(fenster.PBZGew->text(), "0");
}

TEST_F(EingabeSys, FiveBankersCrossTheWahlzahlenOneByOneWithoutBlocking) {
    Klick(Kreuzart::System, 48);
    EXPECT_EQ(fenster.PSys->text(), "540");
    for (int z : {3, 13, 23, 33, 43}) Klick(Kreuzart::Bank, z);
    EXPECT_TRUE(fenster.automatikLaeuft());
    EXPECT_LT(fenster.eingabe().WZAnz(), 40);  // the click returned before the crosses were all made
    for (int i = 0; i < 300 && fenster.automatikLaeuft(); ++i) QTest::qWait(20);
    EXPECT_FALSE(fenster.automatikLaeuft());
    EXPECT_EQ(fenster.PWZgew->text(), "40");
    EXPECT_TRUE(fenster.BSave->isEnabled());
    EXPECT_EQ(fenster.IMG1->wahlKreuze().anzahl(), 40);
}

TEST_F(EingabeSys, OpeningRebuildsTheTicketAndRefusesBrokenFiles) {
    TZahlenMenge wahl;
    for (int z = 6; z <= 45; ++z) wahl.hinzu(z);
    SystemscheinSpeichern(SystemscheinBauen(48, {1, 2, 3, 4, 5}, wahl), datei("540.sqtr"));
    dialoge.antworten.push_back({pfad("540.sqtr")});
    QTest::mouseClick(fenster.BOpen, Qt::LeftButton);
    EXPECT_EQ(fenster.LDatei->text(), "Eingelesen: 540.sqtr");
    EXPECT_FALSE(fenster.automatikLaeuft());
    EXPECT_EQ(fenster.PWZgew->text(), "40");
    EXPECT_EQ(fenster.IMG1->wahlKreuze(), wahl);
    EXPECT_TRUE(fenster.BSave->isEnabled());

    std::ofstream(datei("kurz.sqtr"), std::ios::binary) << "abc";
    dialoge.antworten.push_back({pfad("kurz.sqtr")});
    fenster.BOpenClick();
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("kurz.sqtr"));
    EXPECT_EQ(fenster.PSys->text(), "540");  // the ticket on screen stays
}

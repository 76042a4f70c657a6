// Rules every window keeps: Qt's own texts are German, no grid cuts a text,
// the windows fit a laptop screen and open fully on the screen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "../../bench/bench_daten.h"
#include "app/start/programmstart.h"
#include "app/start/tfstart.h"
#include "app/ui/fensterplatz.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/hilfe.h"
#include "app/ui/systemdienste.h"
#include "core/ziehungsdatei.h"
#include "evaluation/beispielscheine.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/frscheine.h"
#include "evaluation/ui/tfauswertung.h"
#include "evaluation/ui/ziehungsseite.h"
#include "gitterpruefung.h"
#include "statistics/ui/frStatistik.h"
#include "statistics/ui/statistik_bausteine.h"
#include "statistics/ui/statistik_fenster.h"
#include "systems/scheingeometrie.h"
#include "systems/ui/eingabesys.h"
#include "systems/ui/scheinbild.h"
#include "ui_umgebung.h"

using namespace quintaro;
using testing::IsEmpty;

namespace {

template <typename T>
QStringList Texte(const QWidget& wurzel) {
    QStringList texte;
    for (const T* w : wurzel.findChildren<T*>()) texte << w->text();
    return texte;
}

TEST(QtTexte, MessageBoxAndFileDialogSpeakGerman) {
    QMessageBox frage(QMessageBox::Question, "Quintaro", "?", QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(frage.button(QMessageBox::Yes)->text(), "&Ja");
    EXPECT_EQ(frage.button(QMessageBox::No)->text(), "&Nein");
    EXPECT_EQ(frage.button(QMessageBox::Cancel)->text(), "Abbrechen");
    QMessageBox info(QMessageBox::Information, "Quintaro", "!", QMessageBox::Ok);
    EXPECT_EQ(info.button(QMessageBox::Ok)->text(), "OK");

    QFileDialog oeffnen(nullptr, "Spielschein-Datei einlesen");
    oeffnen.setOption(QFileDialog::DontUseNativeDialog);
    oeffnen.setFileMode(QFileDialog::ExistingFiles);
    const QStringList beschriftungen = Texte<QLabel>(oeffnen);
    EXPECT_THAT(beschriftungen, testing::IsSupersetOf({"Suchen in:", "Datei&name:", "Dateien des Typs:"}));
    EXPECT_THAT(Texte<QAbstractButton>(*oeffnen.findChild<QDialogButtonBox*>()),
                testing::IsSupersetOf({"&Öffnen", "Abbrechen"}));
    QFileDialog speichern(nullptr, "Systemschein speichern");
    speichern.setOption(QFileDialog::DontUseNativeDialog);
    speichern.setAcceptMode(QFileDialog::AcceptSave);
    EXPECT_THAT(Texte<QAbstractButton>(*speichern.findChild<QDialogButtonBox*>()), testing::Contains("S&peichern"));
}

// The windows as a user meets them: a long history, the sample tickets open.
class Fensterregeln : public Scheintestumgebung {
protected:
    void SetUp() override {
        Scheintestumgebung::SetUp();
        FensterRegistrieren();
        FensterorteVergessen();
        ZiehungenSpeichern(datei(ZiehungsDateiName), bench::ZufallsGeschichte(400));
        BeispielscheineAnlegen(DatenPfad());
    }
    void TearDown() override {
        for (const char* name : {"FStatistik", "FEingabeSys", "FHilfe"})
            while (QWidget* w = FindeFenster(name)) delete w;
        haupt.reset();
        Scheintestumgebung::TearDown();
    }
    // Shown at its default size, as on a screen that has the room.
    TFAuswertung& hauptfenster() {
        haupt = std::make_unique<TFAuswertung>();
        haupt->show();
        haupt->resize(925, 679);
        QApplication::processEvents();
        return *haupt;
    }
    static void Einrichten(QWidget* fenster) {
        fenster->show();
        QApplication::processEvents();
    }
    static QRect Bildschirm() { return QGuiApplication::primaryScreen()->availableGeometry(); }

    std::unique_ptr<TFAuswertung> haupt;
};

TEST_F(Fensterregeln, NoGridCutsAText) {
    TFAuswertung& fenster = hauptfenster();
    Auswertungsseite& seite = *fenster.auswertungsseite();
    ASSERT_EQ(seite.PC1->count(), 2);
    std::vector<QTableView*> gitter = {fenster.ziehungsseite()->G1};
    for (int tab = 0; tab < 2; ++tab) {
        seite.PC1->setCurrentIndex(tab);
        AuswertungsRahmen& rahmen = *seite.rahmen(tab);
        rahmen.cbBack->setChecked(true);
        rahmen.combo2->setCurrentIndex(0);  // the whole history: dates of every width
        rahmen.StartClick();
        gitter.push_back(rahmen.ergebnisTabelle);
    }
    auto* system = qobject_cast<TFFrScheine*>(seite.rahmen(0));
    ASSERT_NE(system, nullptr);
    system->BAlsReihenClick();
    gitter.push_back(system->G4);
    gitter.push_back(qobject_cast<TFFrScheineN*>(seite.rahmen(1))->G3);
    QApplication::processEvents();
    for (QTableView* g : gitter) EXPECT_THAT(AbgeschnitteneZellen(*g), IsEmpty()) << g->objectName().toStdString();

    auto* statistik = qobject_cast<TFStatistik*>(Fensterverwaltung::Instanz().oeffne(Ziel::Statistik));
    ASSERT_NE(statistik, nullptr);
    TFfrStatistik& links = *statistik->Frame(0);
    links.cbAuch->click();
    for (int n : {12, 25}) links.BNr[std::size_t(n)]->click();
    links.BSuche->click();
    for (QPushButton* start : {links.BStart3, links.BStart2}) {
        start->click();
        QTRY_VERIFY_WITH_TIMEOUT(!statistik->ZaehlungLaeuft(), 20000);
    }
    for (int v = 0; v < 3; ++v) {
        TFfrStatistik& f = *statistik->Frame(v);
        for (int tab = 0; tab < f.PC->count(); ++tab) {
            f.PC->setCurrentIndex(tab);
            QApplication::processEvents();
            for (QTableView* g : f.PC->currentWidget()->findChildren<QTableView*>()) {
                if (v == 0 || tab == 0 || tab == 3) {  // the counts ran in view 0 only
                    EXPECT_GT(g->model()->rowCount(), 0) << g->objectName().toStdString();
                }
                EXPECT_THAT(AbgeschnitteneZellen(*g), IsEmpty()) << g->objectName().toStdString();
            }
        }
        EXPECT_THAT(AbgeschnitteneZellen(*f.GAus), IsEmpty());
    }
}

TEST_F(Fensterregeln, EveryWindowFitsASmallScreenAndTheDrawGridKeepsItsRows) {
    TFAuswertung& fenster = hauptfenster();
    std::vector<QWidget*> alle = {&fenster, Fensterverwaltung::Instanz().oeffne(Ziel::EingabeS),
                                  Fensterverwaltung::Instanz().oeffne(Ziel::Statistik)};
    HilfeZeigen(1020);
    alle.push_back(FindeFenster("FHilfe"));
    TFStart start;
    alle.push_back(&start);
    for (QWidget* w : alle) {
        ASSERT_NE(w, nullptr);
        Einrichten(w);
        const QSize kleinste = w->minimumSize().expandedTo(w->minimumSizeHint());
        EXPECT_LE(kleinste.width(), KleinsterBildschirm.width()) << w->objectName().toStdString();
        EXPECT_LE(kleinste.height(), KleinsterBildschirm.height()) << w->objectName().toStdString();
    }

    fenster.resize(fenster.minimumSizeHint());
    QApplication::processEvents();
    QTableView* g1 = fenster.ziehungsseite()->G1;
    EXPECT_GE(g1->viewport()->height() / g1->rowHeight(0), 8);
    // The draw chooser's list opens over the whole screen height.
    const QComboBox* auswahl = fenster.ziehungsseite()->Combo1;
    EXPECT_GE(auswahl->maxVisibleItems() * (auswahl->fontMetrics().height() + 6), Bildschirm().height() - 80);

    // The help viewer's topic list shows whole titles.
    const QListWidget* themen = FindeFenster("FHilfe")->findChild<QListWidget*>();
    ASSERT_NE(themen, nullptr);
    for (int i = 0; i < themen->count(); ++i)
        EXPECT_LE(themen->visualItemRect(themen->item(i)).left() +
                      themen->fontMetrics().horizontalAdvance(themen->item(i)->text()),
                  themen->viewport()->width())
            << themen->item(i)->text().toStdString();
}

TEST_F(Fensterregeln, TheSystemTicketPictureGrowsWithItsTab) {
    TFAuswertung& fenster = hauptfenster();
    auto* system = qobject_cast<TFFrScheine*>(fenster.auswertungsseite()->rahmen(0));
    ASSERT_NE(system, nullptr);
    const QSize natuerlich = system->bild->sizeHint();
    const int vorher = system->bild->width();
    QTabWidget* tabs = fenster.auswertungsseite()->PC1;
    AuswertungsRahmen* normal = fenster.auswertungsseite()->rahmen(1);
    const auto abstaende = [&] {
        tabs->setCurrentIndex(1);
        QApplication::processEvents();
        const auto a = std::make_pair(normal->startKnopf->x() - normal->Combo1->x(), normal->BZeig->y() - normal->Combo1->y());
        tabs->setCurrentIndex(0);
        QApplication::processEvents();
        return a;
    };
    const auto abstaendeVorher = abstaende();
    fenster.resize(1360, 760);
    QApplication::processEvents();
    const QSize gross = system->bild->size();
    // The picture takes the room the wider window gives, and the form is drawn to fill it.
    EXPECT_GE(gross.width(), vorher + 200);
    EXPECT_EQ(abstaende(), abstaendeVorher) << "the evaluation controls keep together";
    const QPoint ecke = system->bild->mitteVon({Kreuzart::Wahl, 45});
    const double massstab = std::min(double(gross.width()) / natuerlich.width(), double(gross.height()) / natuerlich.height());
    EXPECT_NEAR(ecke.y() - system->bild->mitteVon({Kreuzart::Bank, 1}).y(),
                massstab * (KaestchenVon({Kreuzart::Wahl, 45}).y - KaestchenVon({Kreuzart::Bank, 1}).y), 2);
}

TEST_F(Fensterregeln, WindowsOpenOnTheScreenCentredOnTheMainWindowOrWhereTheyWereLast) {
    TFAuswertung& fenster = hauptfenster();
    EXPECT_TRUE(Bildschirm().contains(fenster.frameGeometry())) << "Hauptfenster";

    QWidget* eingabe = Fensterverwaltung::Instanz().oeffne(Ziel::EingabeS);
    QApplication::processEvents();
    EXPECT_TRUE(Bildschirm().contains(eingabe->frameGeometry()));
    if (eingabe->frameGeometry().size().width() < Bildschirm().width() - 20 &&
        eingabe->frameGeometry().height() < Bildschirm().height() - 20) {
        EXPECT_LE((eingabe->frameGeometry().center() - fenster.frameGeometry().center()).manhattanLength(), 4);
    }

    // Where the user left it, also after closing.
    eingabe->move(Bildschirm().topLeft() + QPoint(7, 5));
    eingabe->close();
    Fensterverwaltung::Instanz().oeffne(Ziel::EingabeS);
    QApplication::processEvents();
    EXPECT_EQ(eingabe->frameGeometry().topLeft(), Bildschirm().topLeft() + QPoint(7, 5));

    // A place partly outside the screen is pulled back onto it.
    eingabe->move(Bildschirm().bottomRight() - QPoint(50, 50));
    eingabe->hide();
    eingabe->show();
    QApplication::processEvents();
    EXPECT_TRUE(Bildschirm().contains(eingabe->frameGeometry()));
}

}  // namespace

namespace {

TEST(Systemdienste, NoBrowserOrCalculatorIsToldInGerman) {
    NachrichtenAttrappe nachrichten;
    QTemporaryDir leer;
    SetzeProgrammsuchpfad(leer.path());
    EXPECT_FALSE(TaschenrechnerStarten());
    SetzeProgrammsuchpfad({});
    // The offscreen platform has no browser to hand pages to.
    EXPECT_FALSE(WebseiteOeffnen(ErgebnisseAdresse));
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith("Es konnte kein Taschenrechner gestartet werden."));
    EXPECT_TRUE(nachrichten.meldungen[1].text.startsWith("Es konnte kein Internet-Browser gestartet werden, um die Seite " +
                                                         ErgebnisseAdresse));
}

}  // namespace

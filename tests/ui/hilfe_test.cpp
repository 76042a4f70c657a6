// The help pages: every context a window asks for has its page, F1 and the
// help buttons open it, the search finds a page by a word of its text.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "app/hilfetexte.h"
#include "app/start/programmstart.h"
#include "app/start/tfstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/hilfe.h"
#include "app/ui/tfinfo.h"
#include "app/ui/tfkal.h"
#include "app/ui/tfnueberk.h"
#include "evaluation/ui/tfauswertung.h"
#include "quotas/ui/tfqtool.h"
#include "quotas/ui/tfquoten.h"
#include "testumgebung.h"

using namespace quintaro;

namespace {
class Hilfe : public Testumgebung {
protected:
    void TearDown() override {
        for (const auto& f : fenster) delete f.data();
        delete FindeFenster("FHilfe");
        Testumgebung::TearDown();
    }
    static QWidget* Hilfefenster() { return FindeFenster("FHilfe"); }
    static int GezeigteSeite() {
        QWidget* h = Hilfefenster();
        return h && h->isVisible() ? h->property("kontext").toInt() : 0;
    }
    // Presses F1 in the window and returns the page the help shows.
    static int F1(QWidget* w) {
        delete Hilfefenster();
        QTest::qWait(1);
        w->show();
        QApplication::setActiveWindow(w);
        QTest::keyClick(w, Qt::Key_F1);
        return GezeigteSeite();
    }
    static int Klick(QAbstractButton* knopf) {
        delete Hilfefenster();
        QTest::qWait(1);
        QTest::mouseClick(knopf, Qt::LeftButton);
        return GezeigteSeite();
    }
    QList<QPointer<QWidget>> fenster;
};

// Every help context named in the sources: help calls, window constants,
// toolbars and the window table.
std::set<int> KontexteDerQuellen() {
    const QRegularExpression muster(
        R"((?:HilfeZeigen\(|HilfeKontext = |WerkzeugleisteAnbringen\([^;]*?, |registriere\(Ziel::\w+,\s*\{"\w+", )(\d{4}))");
    std::set<int> kontexte;
    for (const auto& e : std::filesystem::recursive_directory_iterator(QUINTARO_QUELLEN)) {
        if (!e.is_regular_file() || (e.path().extension() != ".cpp" && e.path().extension() != ".h")) continue;
        std::ifstream in(e.path());
        std::stringstream text;
        text << in.rdbuf();
        auto treffer = muster.globalMatch(QString::fromStdString(text.str()));
        while (treffer.hasNext()) kontexte.insert(treffer.next().captured(1).toInt());
    }
    return kontexte;
}
}  // namespace

TEST_F(Hilfe, EveryContextTheWindowsUseHasItsOwnPage) {
    const std::set<int> kontexte = KontexteDerQuellen();
    // The windows of this version and the contents page, at least.
    for (int k : {1010, 1020, 1040, 1050, 1060, 1080, 1090, 1100, 1110}) EXPECT_TRUE(kontexte.count(k)) << k;
    for (int k : kontexte) {
        EXPECT_EQ(HilfeseiteZu(k).kontext, k) << k;
        EXPECT_GT(HilfeseiteZu(k).text.size(), 400u) << k;
    }
    std::set<int> seiten;
    for (const auto& s : Hilfeseiten()) EXPECT_TRUE(seiten.insert(s.kontext).second) << "twice: " << s.kontext;
    for (int k = 1010; k <= 1130; k += 10) EXPECT_EQ(HilfeseiteZu(k).kontext, k) << k;
}

TEST_F(Hilfe, PagesDescribeWhatTheWindowsShow) {
    EXPECT_NE(std::string(HilfeseiteZu(1020).text).find("Zusatzzahl orange"), std::string::npos);
    EXPECT_NE(std::string(HilfeseiteZu(1040).text).find("Wahlzahlen"), std::string::npos);
    // Links between pages lead to pages that exist.
    const QRegularExpression link(R"x(href="hilfe:(\d+)")x");
    for (const auto& s : Hilfeseiten()) {
        auto treffer = link.globalMatch(QString::fromUtf8(s.text.data(), qsizetype(s.text.size())));
        while (treffer.hasNext()) {
            const int ziel = treffer.next().captured(1).toInt();
            EXPECT_EQ(HilfeseiteZu(ziel).kontext, ziel) << s.kontext << " → " << ziel;
        }
    }
}

TEST_F(Hilfe, F1AndTheHelpButtonsOpenTheWindowsPage) {
    auto* quoten = new TFQuoten(nullptr, DatumAus(2019, 1, 6));
    fenster << quoten;
    EXPECT_EQ(F1(quoten), 1090);
    EXPECT_EQ(Klick(quoten->BHelp), 1090);
    quoten->bsSkinSpeedButton5Click();
    TFQTool* tool = quoten->quotenTool();
    EXPECT_EQ(F1(tool), 1100);
    EXPECT_EQ(Klick(tool->BInfo), 1100);
    EXPECT_EQ(Klick(tool->bsSkinSpeedButton3), 1100);

    auto* nk = new TFNueberK;
    auto* kal = new TFKal;
    auto* info = new TFInfo;
    fenster << nk << kal << info;
    EXPECT_EQ(F1(nk), 1110);
    EXPECT_EQ(F1(kal), 1080);
    EXPECT_EQ(F1(info), 1060);

    auto* start = new TFStart;
    fenster << start;
    EXPECT_EQ(F1(start), 1010);

    FensterRegistrieren();
    auto* haupt = new TFAuswertung;
    fenster << haupt;
    EXPECT_EQ(F1(haupt), 1020);
    QAction* inhalt = nullptr;
    for (QAction* m : haupt->menuBar()->actions())
        for (QAction* a : m->menu()->actions())
            if (a->text() == "&Inhalt") inhalt = a;
    ASSERT_NE(inhalt, nullptr);
    inhalt->trigger();
    EXPECT_EQ(GezeigteSeite(), 1010);
}

TEST_F(Hilfe, SearchFindsAPageByAWordOfItsTextAndOpensIt) {
    HilfeSuchenZeigen();
    QWidget* h = Hilfefenster();
    ASSERT_NE(h, nullptr);
    auto* suche = h->findChild<QLineEdit*>("Suche");
    auto* themen = h->findChild<QListWidget*>("Themen");
    auto* seite = h->findChild<QTextBrowser*>("Seite");
    EXPECT_EQ(themen->count(), int(Hilfeseiten().size()));

    QTest::keyClicks(suche, "binomialkoeffizient");
    ASSERT_EQ(themen->count(), 1);
    EXPECT_EQ(themen->item(0)->text(), "n über k");
    EXPECT_EQ(h->property("kontext").toInt(), 1110);
    EXPECT_TRUE(seite->toPlainText().contains("8.145.060"));

    // Several words: pages holding all of them; umlauts fold like letters; markup is not searched.
    suche->setText("ÜBERTRAGEN Quotentabelle");
    ASSERT_GE(themen->count(), 1);
    for (int i = 0; i < themen->count(); ++i)
        EXPECT_TRUE(themen->item(i)->text() == "Quoten-Tool" || themen->item(i)->text() == "Gewinnquoten") << i;
    EXPECT_TRUE(HilfeSuchen("href").empty());
    EXPECT_TRUE(HilfeSuchen("xyzzy").empty());

    // A link on a page opens its target.
    suche->clear();
    HilfeZeigen(1090);
    emit seite->anchorClicked(QUrl("hilfe:1100"));
    EXPECT_EQ(h->property("kontext").toInt(), 1100);
}

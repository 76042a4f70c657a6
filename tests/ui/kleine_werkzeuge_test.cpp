// The n-over-k calculator, the calendar and the about box, opened as the
// program opens them.
#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextCharFormat>
#include <QToolBar>
#include <QUrl>

#include "app/start/programmstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/tfinfo.h"
#include "app/ui/tfkal.h"
#include "app/ui/tfnueberk.h"
#include "evaluation/ui/tfauswertung.h"
#include "testumgebung.h"

using namespace quintaro;

namespace {
class MailProgramm : public QObject {
    Q_OBJECT
public:
    QStringList adressen;
public slots:
    void oeffne(const QUrl& url) { adressen << url.toString(); }
};

class KleineWerkzeuge : public Testumgebung {
protected:
    void SetUp() override {
        Testumgebung::SetUp();
        FensterRegistrieren();
    }
    template <typename T>
    T* Oeffnen(Ziel ziel) {
        auto* fenster = qobject_cast<T*>(Fensterverwaltung::Instanz().oeffne(ziel));
        EXPECT_NE(fenster, nullptr);
        offen << fenster;
        return fenster;
    }
    void TearDown() override {
        for (const auto& f : offen) delete f.data();
        Testumgebung::TearDown();
    }
    QList<QPointer<QWidget>> offen;
};
}  // namespace

TEST_F(KleineWerkzeuge, NOverKTakesTwoDigitsAndCalculatesOnEnter) {
    auto* f = Oeffnen<TFNueberK>(Ziel::NueberK);
    EXPECT_EQ(f->objectName(), "FNueberK");
    EXPECT_TRUE(f->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QTest::keyClicks(f->e1, "4a- 5.7");
    EXPECT_EQ(f->e1->text(), "45");
    QTest::keyClick(f->e1, Qt::Key_Return);  // k still empty: nothing happens
    EXPECT_TRUE(f->P1->text().isEmpty());
    EXPECT_TRUE(nachrichten.meldungen.empty());
    QTest::keyClicks(f->e2, "6");
    QTest::keyClick(f->e2, Qt::Key_Enter);
    EXPECT_EQ(f->P1->text(), "8.145.060");

    // Refused inputs leave the result as it was.
    f->e1->setText("5");
    QTest::mouseClick(f->BCalc, Qt::LeftButton);
    f->e1->setText("0");
    QTest::mouseClick(f->BCalc, Qt::LeftButton);
    EXPECT_EQ(f->P1->text(), "8.145.060");
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_EQ(nachrichten.meldungen[0].text, "Die Zahl für \"n\" muss größer als die für \"k\" sein.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(nachrichten.meldungen[1].text,
              "Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\n\nIch breche erst einmal ab.");

    // Beyond 64 bits: said so, and no number stays.
    f->e1->setText("99");
    f->e2->setText("49");
    QTest::mouseClick(f->BCalc, Qt::LeftButton);
    EXPECT_TRUE(f->P1->text().isEmpty());
    ASSERT_EQ(nachrichten.meldungen.size(), 3u);
    EXPECT_TRUE(nachrichten.meldungen[2].text.startsWith("99 über 49 ist größer als 9.223.372.036.854.775.807"));

    QPointer<QWidget> beobachter(f);
    QTest::mouseClick(f->BClose, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return beobachter.isNull(); }, 1000));  // destroyed
}

TEST_F(KleineWerkzeuge, CalendarStartsWeeksOnSundayAndKeepsItsMonthWhenClosed) {
    auto* kal = Oeffnen<TFKal>(Ziel::Kal);
    QCalendarWidget* k = kal->kalender;
    EXPECT_EQ(k->firstDayOfWeek(), Qt::Sunday);
    EXPECT_EQ(k->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
    EXPECT_EQ(k->weekdayTextFormat(Qt::Wednesday).fontWeight(), QFont::Bold);
    EXPECT_TRUE(k->dateTextFormat(QDate::currentDate()).background().style() != Qt::NoBrush);
    k->setCurrentPage(2020, 5);
    kal->findChild<QAction*>("BClose")->trigger();
    EXPECT_FALSE(kal->isVisible());
    QTest::qWait(10);
    EXPECT_EQ(Oeffnen<TFKal>(Ziel::Kal), kal);
    EXPECT_TRUE(kal->isVisible());
    EXPECT_EQ(k->yearShown(), 2020);
    EXPECT_EQ(k->monthShown(), 5);
}

TEST_F(KleineWerkzeuge, AboutBoxShowsTheVersionAndWritesToTheService) {
    auto* info = Oeffnen<TFInfo>(Ziel::Info);
    EXPECT_EQ(info->windowTitle(), "Quintaro");
    EXPECT_EQ(info->LVersion->text(), "Version 1.3.1.0");
    EXPECT_TRUE(info->LVersion->font().bold());
    EXPECT_EQ(info->LMail->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(info->LName->cursor().shape(), Qt::ArrowCursor);

    MailProgramm mail;
    QDesktopServices::setUrlHandler("mailto", &mail, "oeffne");
    QTest::mouseClick(info->LMail, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("mailto");
    EXPECT_EQ(mail.adressen, QStringList({"mailto:" + info->LMail->text() + "?subject=Quintaro"}));
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(KleineWerkzeuge, MainWindowMenuAndToolbarOfferEveryWindowOfThisVersion) {
    TFAuswertung haupt;
    const auto menue = [&](const QString& text) -> QAction* {
        for (QAction* m : haupt.menuBar()->actions())
            for (QAction* a : m->menu()->actions())
                if (a->text() == text) return a;
        return nullptr;
    };
    for (const char* text : {"&n über k berechnen", "&Kalender", "Programm-&Info"}) {
        ASSERT_NE(menue(text), nullptr) << text;
        EXPECT_TRUE(menue(text)->isEnabled()) << text;
    }
    auto* leiste = haupt.findChild<QToolBar*>("Werkzeugleiste");
    for (const char* name : {"BQuoten", "BNoverK", "BKal"}) {
        ASSERT_NE(leiste->findChild<QAction*>(name), nullptr) << name;
        EXPECT_TRUE(leiste->findChild<QAction*>(name)->isEnabled()) << name;
    }
    menue("Programm-&Info")->trigger();
    QWidget* info = FindeFenster("FInfo");
    ASSERT_NE(info, nullptr);
    offen << info;
    EXPECT_TRUE(info->isVisible());
    leiste->findChild<QAction*>("BQuoten")->trigger();
    QWidget* quoten = FindeFenster("FQuoten");
    ASSERT_NE(quoten, nullptr);
    offen << quoten;
    EXPECT_TRUE(quoten->isVisible());
}

#include "kleine_werkzeuge_test.moc"

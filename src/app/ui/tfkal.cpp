#include "app/ui/tfkal.h"

#include <QAction>
#include <QCalendarWidget>
#include <QShortcut>
#include <QStyle>
#include <QTextCharFormat>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/ui/hilfe.h"
#include "app/ui/texte.h"

namespace quintaro {

namespace {
constexpr int HilfeKontext = 1080;
}

TFKal::TFKal(QWidget* eltern) : QWidget(eltern, Qt::Dialog | Qt::WindowStaysOnTopHint) {
    setWindowTitle(FensterTitel());
    auto* leiste = new QToolBar(this);
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QAction* schliessen = leiste->addAction(style()->standardIcon(QStyle::SP_DialogCloseButton), "Sch&ließen");
    schliessen->setObjectName("BClose");

    kalender = new QCalendarWidget(this);
    kalender->setObjectName("Kalender");
    kalender->setLocale(QLocale(QLocale::German, QLocale::Germany));
    kalender->setFirstDayOfWeek(Qt::Sunday);
    kalender->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    kalender->setGridVisible(true);
    for (int tag = Qt::Monday; tag <= Qt::Sunday; ++tag) {
        QTextCharFormat format = kalender->weekdayTextFormat(Qt::DayOfWeek(tag));
        format.setFontWeight(QFont::Bold);
        kalender->setWeekdayTextFormat(Qt::DayOfWeek(tag), format);
    }
    QTextCharFormat heute = kalender->weekdayTextFormat(Qt::DayOfWeek(QDate::currentDate().dayOfWeek()));
    heute.setBackground(QColor(249, 168, 37));
    heute.setFontUnderline(true);
    kalender->setDateTextFormat(QDate::currentDate(), heute);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(leiste);
    layout->addWidget(kalender, 1);
    resize(360, 300);

    connect(schliessen, &QAction::triggered, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { HilfeZeigen(HilfeKontext); });
}

}  // namespace quintaro

#pragma once
// A month calendar, weeks from Sunday. Closing only hides it, so it reopens at
// the month the user left it.
#include <QWidget>

class QCalendarWidget;

namespace quintaro {

class TFKal : public QWidget {
    Q_OBJECT
public:
    explicit TFKal(QWidget* eltern = nullptr);

    QCalendarWidget* kalender;
};

}  // namespace quintaro

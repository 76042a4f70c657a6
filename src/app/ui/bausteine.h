#pragma once
// Small widgets the windows build alike: named buttons and sunken value displays.
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace quintaro {

inline QPushButton* Knopf(const QString& text, const char* name, QWidget* eltern = nullptr) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}

// A sunken panel that shows a value (counters, chosen counts).
inline QLabel* Anzeige(const char* name, const QString& text = QString(), int mindestBreite = 32) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(mindestBreite);
    l->setAutoFillBackground(true);
    return l;
}

}  // namespace quintaro

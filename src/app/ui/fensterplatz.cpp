#include "app/ui/fensterplatz.h"

#include <QApplication>
#include <QComboBox>
#include <algorithm>
#include <QEvent>
#include <QHash>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include "app/ui/fensterverwaltung.h"

namespace quintaro {

namespace {
const QString kHauptfenster = QStringLiteral("FAuswertung");

QHash<QString, QPoint>& LetzteOrte() {
    static QHash<QString, QPoint> orte;
    return orte;
}

QRect Arbeitsflaeche(const QWidget* bezug) {
    QScreen* schirm = bezug ? bezug->screen() : nullptr;
    if (!schirm) schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry() : QRect(QPoint(0, 0), KleinsterBildschirm);
}

// The window's outer frame, as far as the window system has told it.
QSize Rahmenzugabe(const QWidget* fenster) {
    const QSize zugabe = fenster->frameGeometry().size() - fenster->geometry().size();
    return zugabe.isValid() ? zugabe : QSize(0, 0);
}

void Platzieren(QWidget* fenster) {
    const QWidget* haupt = FindeFenster(kHauptfenster);
    if (haupt == fenster || (haupt && !haupt->isVisible())) haupt = nullptr;
    const QRect flaeche = Arbeitsflaeche(haupt ? haupt : fenster);
    const QSize zugabe = Rahmenzugabe(fenster);

    QSize groesse = fenster->size().boundedTo(flaeche.size() - zugabe);
    groesse = groesse.expandedTo(fenster->minimumSize());
    if (groesse != fenster->size()) fenster->resize(groesse);
    const QSize aussen = groesse + zugabe;

    QPoint ecke;
    const auto gemerkt = LetzteOrte().constFind(fenster->objectName());
    if (!fenster->objectName().isEmpty() && gemerkt != LetzteOrte().constEnd())
        ecke = *gemerkt;
    else
        ecke = (haupt ? haupt->frameGeometry().center() : flaeche.center()) -
               QPoint(aussen.width() / 2, aussen.height() / 2);
    ecke.setX(std::clamp(ecke.x(), flaeche.left(), std::max(flaeche.left(), flaeche.right() + 1 - aussen.width())));
    ecke.setY(std::clamp(ecke.y(), flaeche.top(), std::max(flaeche.top(), flaeche.bottom() + 1 - aussen.height())));
    fenster->move(ecke);
}

class Platzwaechter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        auto* fenster = static_cast<QWidget*>(objekt);
        switch (ereignis->type()) {
            case QEvent::Show:
                if (!fenster->isMinimized() && !fenster->isMaximized() && !fenster->isFullScreen()) Platzieren(fenster);
                break;
            case QEvent::Hide:
            case QEvent::Close:
                if (!fenster->objectName().isEmpty())
                    LetzteOrte()[fenster->objectName()] = fenster->frameGeometry().topLeft();
                break;
            default: break;
        }
        return false;
    }
};
}  // namespace

void FensterEinpassen(QWidget* fenster) {
    const char* kMerkmal = "quintaroEingepasst";
    if (fenster->property(kMerkmal).toBool()) return;
    fenster->setProperty(kMerkmal, true);
    fenster->installEventFilter(new Platzwaechter(fenster));
}

void FensterorteVergessen() { LetzteOrte().clear(); }

void ListeBildschirmhoch(QComboBox* auswahl) {
    const int zeile = auswahl->fontMetrics().height() + 6;
    auswahl->setMaxVisibleItems(std::max(16, (Arbeitsflaeche(auswahl).height() - 40) / zeile));
}

void DatumsbreiteListe(QComboBox* auswahl) {
    auswahl->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auswahl->setMinimumContentsLength(10);  // "dd.mm.yyyy"
}

QScrollArea* Rollbar(QWidget* inhalt) {
    auto* rollen = new QScrollArea;
    rollen->setFrameShape(QFrame::NoFrame);
    rollen->setWidgetResizable(true);
    rollen->setWidget(inhalt);
    return rollen;
}

}  // namespace quintaro

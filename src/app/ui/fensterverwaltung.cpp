#include "app/ui/fensterverwaltung.h"
#include "app/ui/fensterplatz.h"

#include <QApplication>
#include <QWidget>

namespace quintaro {

Fensterverwaltung& Fensterverwaltung::Instanz() {
    static Fensterverwaltung verwaltung;
    return verwaltung;
}

void Fensterverwaltung::registriere(Ziel ziel, Fensterart art) { arten_[ziel] = std::move(art); }

bool Fensterverwaltung::verfuegbar(Ziel ziel) const {
    const auto it = arten_.find(ziel);
    return it != arten_.end() && it->second.erzeugen;
}

const Fensterart* Fensterverwaltung::art(Ziel ziel) const {
    const auto it = arten_.find(ziel);
    return it == arten_.end() ? nullptr : &it->second;
}

QWidget* Fensterverwaltung::oeffne(Ziel ziel) {
    if (!verfuegbar(ziel)) return nullptr;
    const Fensterart& a = arten_.at(ziel);
    QWidget* fenster = FindeFenster(a.name);
    // A window created at start and never shown yet has not been hidden explicitly.
    if (fenster && !a.nurVerstecken && !fenster->isVisible() && fenster->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
        // Closed and waiting for its deletion: it no longer counts.
        fenster->setObjectName(QString());
        fenster = nullptr;
    }
    if (fenster) {
        if (fenster->isMinimized()) fenster->setWindowState(fenster->windowState() & ~Qt::WindowMinimized);
    } else {
        if (a.mitSanduhr) QApplication::setOverrideCursor(Qt::WaitCursor);
        fenster = erzeuge(a);
        if (a.mitSanduhr) QApplication::restoreOverrideCursor();
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return fenster;
}

void Fensterverwaltung::erzeugeStartfenster() {
    for (auto& [ziel, a] : arten_)
        if (a.beiStartErzeugen && a.erzeugen && !FensterOffen(a.name)) erzeuge(a);
}

QWidget* Fensterverwaltung::erzeuge(const Fensterart& a) {
    QWidget* fenster = a.erzeugen();
    fenster->setObjectName(a.name);
    fenster->setAttribute(Qt::WA_DeleteOnClose, !a.nurVerstecken);
    std::erase_if(erzeugt_, [](const QPointer<QWidget>& f) { return f.isNull(); });
    erzeugt_.emplace_back(fenster);
    FensterEinpassen(fenster);
    return fenster;
}

void Fensterverwaltung::fensterLoeschen() {
    // Newest first: a window made by another one goes before its maker.
    while (!erzeugt_.empty()) {
        QPointer<QWidget> fenster = erzeugt_.back();
        erzeugt_.pop_back();
        delete fenster.data();
    }
}

QWidget* FindeFenster(const QString& name) {
    const auto fenster = QApplication::topLevelWidgets();
    for (auto it = fenster.rbegin(); it != fenster.rend(); ++it)
        if ((*it)->objectName() == name) return *it;
    return nullptr;
}

bool FensterOffen(const QString& name) { return FindeFenster(name) != nullptr; }

}  // namespace quintaro

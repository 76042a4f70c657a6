#include "app/ui/werkzeugleiste.h"

#include <QAction>
#include <algorithm>
#include <QMainWindow>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>

#include "app/ui/hilfe.h"
#include "app/ui/systemdienste.h"

namespace quintaro {

namespace {
struct Knopf {
    const char* name;
    const char* text;
    const char* tipp;
    QStyle::StandardPixmap bild;
};

QAction* NeuerKnopf(QToolBar* leiste, const Knopf& k) {
    QAction* a = leiste->addAction(leiste->style()->standardIcon(k.bild), QString::fromUtf8(k.text));
    a->setObjectName(QString::fromLatin1(k.name));
    a->setToolTip(QString::fromUtf8(k.tipp));
    return a;
}
}  // namespace

QToolBar* WerkzeugleisteAnbringen(QMainWindow* fenster, std::optional<Ziel> eigenesZiel, int hilfeKontext) {
    auto* leiste = new QToolBar("Werkzeuge", fenster);
    leiste->setObjectName("Werkzeugleiste");
    leiste->setMovable(false);
    leiste->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    fenster->addToolBar(Qt::TopToolBarArea, leiste);

    struct Eintrag {
        Ziel ziel;
        Knopf knopf;
    };
    const Eintrag eintraege[] = {
        {Ziel::EingabeN, {"BEingabeN", "Normalschein", "Neuen Normalschein eingeben", QStyle::SP_FileIcon}},
        {Ziel::EingabeS, {"BEingabeS", "Systemschein", "Neuen Systemschein eingeben", QStyle::SP_FileDialogDetailedView}},
        {Ziel::SystemWahl, {"BSystemWahl", "Systeme", "Spielsystem auswählen", QStyle::SP_FileDialogListView}},
        {Ziel::Zufall, {"BZufall", "Zufall", "Tippreihen per Zufall", QStyle::SP_BrowserReload}},
        {Ziel::Statistik, {"BStatistik", "Statistik", "Statistik der Ziehungen", QStyle::SP_FileDialogContentsView}},
        {Ziel::Quoten, {"BQuoten", "Quoten", "Gewinnquoten bearbeiten", QStyle::SP_DriveHDIcon}},
        {Ziel::Update, {"BUpdate", "Update", "Ziehungen laden und Update-Prüfung", QStyle::SP_ArrowDown}},
        {Ziel::NueberK, {"BNoverK", "n über k", "n über k berechnen", QStyle::SP_ComputerIcon}},
        {Ziel::Kal, {"BKal", "Kalender", "Kalender", QStyle::SP_FileDialogInfoView}},
    };
    auto& verwaltung = Fensterverwaltung::Instanz();
    for (const auto& e : eintraege) {
        if (eigenesZiel && *eigenesZiel == e.ziel) continue;
        QAction* a = NeuerKnopf(leiste, e.knopf);
        a->setEnabled(verwaltung.verfuegbar(e.ziel));
        const Ziel ziel = e.ziel;
        QObject::connect(a, &QAction::triggered, fenster, [ziel] { Fensterverwaltung::Instanz().oeffne(ziel); });
    }
    leiste->addSeparator();
    QObject::connect(NeuerKnopf(leiste, {"BCalc", "Rechner", "Taschenrechner", QStyle::SP_DesktopIcon}),
                     &QAction::triggered, fenster, [] { TaschenrechnerStarten(); });
    QObject::connect(NeuerKnopf(leiste, {"BHelp", "Hilfe", "Hilfe", QStyle::SP_DialogHelpButton}), &QAction::triggered,
                     fenster, [hilfeKontext] { HilfeZeigen(hilfeKontext); });
    QObject::connect(NeuerKnopf(leiste, {"BClose", "Schließen", "Fenster schließen", QStyle::SP_DialogCloseButton}),
                     &QAction::triggered, fenster, [fenster] { fenster->close(); });

    // Wide enough that every button shows.
    fenster->resize(std::max(fenster->width(), leiste->sizeHint().width()), fenster->height());

    auto* f1 = new QShortcut(QKeySequence::HelpContents, fenster);
    QObject::connect(f1, &QShortcut::activated, fenster, [hilfeKontext] { HilfeZeigen(hilfeKontext); });
    return leiste;
}

}  // namespace quintaro

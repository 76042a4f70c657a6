#include "app/start/programmstart.h"

#include "app/ui/fensterverwaltung.h"
#include "app/programmwerte.h"
#include "app/ui/nachrichten.h"
#include "app/ui/tfinfo.h"
#include "app/ui/tfkal.h"
#include "app/ui/tfnueberk.h"
#include "app/ui/werkzeugleiste.h"
#include "core/einstellungen.h"
#include "entry/ui/tfeingabe.h"
#include "evaluation/ui/tfauswertung.h"
#include "online/ui/tfupdate.h"
#include "quotas/ui/tfquoten.h"
#include "random/ui/tfzufall.h"
#include "statistics/ui/statistik_fenster.h"
#include "systems/ui/eingabesys.h"
#include "systems/ui/tfsystemwahl.h"

namespace quintaro {

namespace {
// A window of the main type: created with the shared toolbar for its help context.
template <typename Fenster>
std::function<QWidget*()> MitWerkzeugleiste(Ziel ziel, int hilfeKontext) {
    return [ziel, hilfeKontext] {
        auto* fenster = new Fenster;
        WerkzeugleisteAnbringen(fenster, ziel, hilfeKontext);
        return static_cast<QWidget*>(fenster);
    };
}

template <typename Fenster>
std::function<QWidget*()> Einfach() {
    return [] { return static_cast<QWidget*>(new Fenster); };
}
}  // namespace

void FensterRegistrieren() {
    auto& v = Fensterverwaltung::Instanz();
    v.leeren();
    v.registriere(Ziel::EingabeN, {"FEingabe", 1030, true, true, false, MitWerkzeugleiste<TFEingabe>(Ziel::EingabeN, 1030)});
    v.registriere(Ziel::EingabeS,
                  {"FEingabeSys", 1040, true, true, false, MitWerkzeugleiste<TFEingabeSys>(Ziel::EingabeS, 1040)});
    v.registriere(Ziel::SystemWahl,
                  {"FSystemwahl", 1070, true, true, false, MitWerkzeugleiste<TFSystemwahl>(Ziel::SystemWahl, 1070)});
    v.registriere(Ziel::Zufall, {"FZufall", 1130, false, true, false, MitWerkzeugleiste<TFZufall>(Ziel::Zufall, 1130)});
    v.registriere(Ziel::Statistik, {"FStatistik", 1050, false, false, true, [] {
                      QWidget* fenster = MitWerkzeugleiste<TFStatistik>(Ziel::Statistik, 1050)();
                      QObject::connect(static_cast<TFStatistik*>(fenster), &TFStatistik::downloadGewuenscht, [] {
                          Werte().downloadNachfragen = false;
                          Fensterverwaltung::Instanz().oeffne(Ziel::Update);
                      });
                      return fenster;
                  }});
    v.registriere(Ziel::Quoten, {"FQuoten", 1090, false, false, false, Einfach<TFQuoten>()});
    v.registriere(Ziel::Update, {"FUpdate", 1120, false, false, false, Einfach<TFUpdate>()});
    // The small tools have help pages of their own.
    v.registriere(Ziel::NueberK, {"FNueberK", 1110, false, false, false, Einfach<TFNueberK>()});
    v.registriere(Ziel::Kal, {"FKal", 1080, true, false, false, Einfach<TFKal>()});
    v.registriere(Ziel::Info, {"FInfo", 1060, false, false, false, Einfach<TFInfo>()});
}

TFAuswertung* HauptfensterErzeugen() {
    Einstellungen::SetzeMelder([](const std::string& text) { Nachrichten().fehler(nullptr, AlsMeldung(text)); });
    auto* haupt = new TFAuswertung;
    Fensterverwaltung::Instanz().erzeugeStartfenster();
    return haupt;
}

}  // namespace quintaro

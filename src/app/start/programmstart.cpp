#include "app/start/programmstart.h"

#include "app/ui/fensterverwaltung.h"
#include "app/programmwerte.h"
#include "app/ui/werkzeugleiste.h"
#include "evaluation/ui/tfauswertung.h"
#include "online/ui/tfupdate.h"
#include "statistics/ui/statistik_fenster.h"
#include "systems/ui/eingabesys.h"

namespace quintaro {

void FensterRegistrieren() {
    auto& v = Fensterverwaltung::Instanz();
    v.leeren();
    // Windows of later versions stay registered without a factory: their
    // toolbar buttons and menu entries are shown disabled.
    v.registriere(Ziel::EingabeN, {"FEingabe", 1030, true, true, false, {}});
    v.registriere(Ziel::EingabeS, {"FEingabeSys", 1040, true, true, false, [] {
                      auto* fenster = new TFEingabeSys;
                      WerkzeugleisteAnbringen(fenster, Ziel::EingabeS, 1040);
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::SystemWahl, {"FSystemwahl", 1070, true, true, false, {}});
    v.registriere(Ziel::Zufall, {"FZufall", 1130, false, true, false, {}});
    v.registriere(Ziel::Statistik, {"FStatistik", 1050, false, false, true, [] {
                      auto* fenster = new TFStatistik;
                      WerkzeugleisteAnbringen(fenster, Ziel::Statistik, 1050);
                      QObject::connect(fenster, &TFStatistik::downloadGewuenscht, [] {
                          Werte().downloadNachfragen = false;
                          Fensterverwaltung::Instanz().oeffne(Ziel::Update);
                      });
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::Quoten, {"FQuoten", 1090, false, false, false, {}});
    v.registriere(Ziel::Update, {"FUpdate", 1120, false, false, false, [] { return static_cast<QWidget*>(new TFUpdate); }});
    v.registriere(Ziel::NueberK, {"FNueberK", 1100, false, false, false, {}});
    v.registriere(Ziel::Kal, {"FKal", 1120, true, false, false, {}});
    v.registriere(Ziel::Info, {"FInfo", 1130, false, false, false, {}});
}

TFAuswertung* HauptfensterErzeugen() {
    auto* haupt = new TFAuswertung;
    Fensterverwaltung::Instanz().erzeugeStartfenster();
    return haupt;
}

}  // namespace quintaro

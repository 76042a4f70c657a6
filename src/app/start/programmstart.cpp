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

void FensterRegistrieren() {
    auto& v = Fensterverwaltung::Instanz();
    v.leeren();
    v.registriere(Ziel::EingabeN, {"FEingabe", 1030, true, true, false, [] {
                      auto* fenster = new TFEingabe;
                      WerkzeugleisteAnbringen(fenster, Ziel::EingabeN, 1030);
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::EingabeS, {"FEingabeSys", 1040, true, true, false, [] {
                      auto* fenster = new TFEingabeSys;
                      WerkzeugleisteAnbringen(fenster, Ziel::EingabeS, 1040);
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::SystemWahl, {"FSystemwahl", 1070, true, true, false, [] {
                      auto* fenster = new TFSystemwahl;
                      WerkzeugleisteAnbringen(fenster, Ziel::SystemWahl, 1070);
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::Zufall, {"FZufall", 1130, false, true, false, [] {
                      auto* fenster = new TFZufall;
                      WerkzeugleisteAnbringen(fenster, Ziel::Zufall, 1130);
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::Statistik, {"FStatistik", 1050, false, false, true, [] {
                      auto* fenster = new TFStatistik;
                      WerkzeugleisteAnbringen(fenster, Ziel::Statistik, 1050);
                      QObject::connect(fenster, &TFStatistik::downloadGewuenscht, [] {
                          Werte().downloadNachfragen = false;
                          Fensterverwaltung::Instanz().oeffne(Ziel::Update);
                      });
                      return static_cast<QWidget*>(fenster);
                  }});
    v.registriere(Ziel::Quoten, {"FQuoten", 1090, false, false, false, [] { return static_cast<QWidget*>(new TFQuoten); }});
    v.registriere(Ziel::Update, {"FUpdate", 1120, false, false, false, [] { return static_cast<QWidget*>(new TFUpdate); }});
    // The small tools have help pages of their own.
    v.registriere(Ziel::NueberK, {"FNueberK", 1110, false, false, false, [] { return static_cast<QWidget*>(new TFNueberK); }});
    v.registriere(Ziel::Kal, {"FKal", 1080, true, false, false, [] { return static_cast<QWidget*>(new TFKal); }});
    v.registriere(Ziel::Info, {"FInfo", 1060, false, false, false, [] { return static_cast<QWidget*>(new TFInfo); }});
}

TFAuswertung* HauptfensterErzeugen() {
    Einstellungen::SetzeMelder([](const std::string& text) { Nachrichten().fehler(nullptr, AlsMeldung(text)); });
    auto* haupt = new TFAuswertung;
    Fensterverwaltung::Instanz().erzeugeStartfenster();
    return haupt;
}

}  // namespace quintaro

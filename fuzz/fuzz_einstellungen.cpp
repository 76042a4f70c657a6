// The settings file "Einstellungen.ini": any text opens, its keys read, and a
// value written into it reads back after the file is opened anew.
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "eingabedatei.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto datei = fuzz::EingabeAlsDatei(daten, groesse, "Einstellungen.ini");
    try {
        Einstellungen einstellungen(datei);
        (void)einstellungen.leseText("Auswertung", "Datei1", "");
        (void)einstellungen.leseZahl("Auswertung", "Anzahl", -1);
        (void)einstellungen.leseSchalter("Eingabe", "Ueberschreiben", false);
        einstellungen.schreibeZahl("Fuzz", "Wert", 4711);
        einstellungen.loescheSektion("Auswertung");
        if (Einstellungen(datei).leseZahl("Fuzz", "Wert", 0) != 4711) __builtin_trap();
    } catch (const DateiFehler&) {
    } catch (const KonvertierungsFehler&) {
    }
    return 0;
}

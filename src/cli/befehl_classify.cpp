#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/formatierung.h"
#include "core/spielregeln.h"

namespace quintaro::cli {

namespace {
TZahlenMenge SechsZahlen(const std::string& text, const std::string& was) {
    TZahlenMenge menge;
    const auto zahlen = ZahlenListe(text, was);
    for (int z : zahlen) {
        if (z < 1 || z > MaxZahl) throw std::invalid_argument(was + ": " + std::to_string(z) + " liegt nicht zwischen 1 und 45.");
        menge.hinzu(z);
    }
    if (zahlen.size() != 6 || menge.anzahl() != 6)
        throw std::invalid_argument(was + ": es werden sechs verschiedene Zahlen erwartet.");
    return menge;
}
}  // namespace

int BefehlClassify(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    const Argumente a(args);
    const TZahlenMenge reihe = SechsZahlen(a.pflicht("row"), "--row");
    const TZahlenMenge ziehung = SechsZahlen(a.pflicht("draw"), "--draw");
    const int zz = GanzeZahl(a.pflicht("zz"), "--zz");
    if (zz < 1 || zz > MaxZahl || ziehung.enthaelt(zz))
        throw std::invalid_argument("--zz: die Zusatzzahl muss zwischen 1 und 45 liegen und darf keine Gewinnzahl sein.");
    const auto datum = DatumAusISO(a.pflicht("date"));
    if (!datum) throw std::invalid_argument("--date: \"" + a.pflicht("date") + "\" ist kein Datum der Form JJJJ-MM-TT.");
    const int klasse = GewinnKlasse(reihe, ziehung, zz, *datum);
    out << klasse << '\t' << KlassenLabel(klasse, *datum) << '\n';
    return 0;
}

}  // namespace quintaro::cli

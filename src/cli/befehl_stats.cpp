#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "cli/ziehungsquelle.h"
#include "core/datenbestand.h"
#include "core/formatierung.h"
#include "core/kombinatorik.h"
#include "statistics/statistik.h"

namespace quintaro::cli {

namespace {

constexpr const char* Aufruf =
    "Aufruf: quintaro-cli stats freq|absence|pairs|triples|quads|search --draws GZ.645 [--view all|sun|wed] "
    "[--from I --to I] [--numbers 5,12]";

TZeitraum Zeitraum(const Argumente& a, const TStatistik& statistik, int v) {
    const int letzte = statistik.ZiehungsAnzahl(v) - 1;
    const TZeitraum z{a.hat("from") ? GanzeZahl(a.pflicht("from"), "--from") : 0,
                      a.hat("to") ? GanzeZahl(a.pflicht("to"), "--to") : letzte};
    if ((a.hat("from") || a.hat("to")) && letzte < 0)
        throw std::invalid_argument("Die Ansicht enthält keine Ziehung; --from und --to können keine wählen.");
    // bis < von is an empty period, as in the window; indexes must lie in the list.
    for (int index : {z.von, z.bis})
        if ((a.hat("from") || a.hat("to")) && (index < 0 || index > letzte))
            throw std::invalid_argument("--from und --to müssen zwischen 0 und " + std::to_string(letzte) +
                                        " liegen (Ziehungen der Ansicht).");
    return z;
}

void Rangliste(std::ostream& out, const TRangliste& liste) {
    for (const auto& [art, zeilen] : {std::pair{"frequent", &liste.haeufig}, std::pair{"rare", &liste.selten}}) {
        std::size_t rang = 0;
        for (const TRangZeile& zeile : *zeilen) {
            out << art << '\t' << ++rang << '\t' << MengeAlsText(zeile.zahlen) << '\t' << zeile.anz << '\n';
        }
    }
}

void Suche(std::ostream& out, const Argumente& a, TStatistik& statistik, TZeitraum z, int v) {
    const std::vector<int> zahlen = ZahlenListe(a.pflicht("numbers"), "--numbers");
    for (int n : zahlen) {
        if (n < 1 || n > MaxZahl) throw std::invalid_argument("--numbers: nur Zahlen von 1 bis 45.");
        if (statistik.SuchMenge(v).enthaelt(n)) throw std::invalid_argument("--numbers: jede Zahl nur einmal.");
        if (statistik.ZahlUmschalten(n, v, false) == TUmschaltung::Abgelehnt)
            throw std::invalid_argument(std::string(MeldungHoechstensSechs));
    }
    if (!statistik.SucheErlaubt(v)) throw std::invalid_argument("--numbers: mindestens zwei Zahlen.");
    int nr = 0;
    for (const TFundstelle& f : statistik.KombisSuchen(z, v))
        out << ++nr << '\t' << DatumISO(f.datum) << '\t' << MengeAlsText(f.mit) << '\n';
}

}  // namespace

int BefehlStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Argumente a(args);
    if (a.positionen().size() != 1) throw std::invalid_argument(Aufruf);
    const std::string art = a.positionen()[0];

    Datenbestand daten;
    daten.GZListe = ZiehungenAusDatei(a.pflicht("draws"), err);
    StatistikStart(daten);
    TStatistik statistik(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    const int v = AnsichtNummer(a.option("view").value_or("all"));
    const TZeitraum z = Zeitraum(a, statistik, v);

    if (art == "freq") {
        statistik.TeilStatistik(z, v);
        for (int n = 1; n <= MaxZahl; ++n) out << n << '\t' << statistik.StatAnzahl(v)[std::size_t(n)] << '\n';
    } else if (art == "absence") {
        for (const TAusbleiben& aus : statistik.Ausgeblieben(z, v)) out << aus.zahl << '\t' << aus.anzahl << '\n';
    } else if (art == "pairs" || art == "triples" || art == "quads") {
        const int k = art == "pairs" ? 2 : art == "triples" ? 3 : 4;
        Rangliste(out, *statistik.Kombinationsrangliste(k, z, v));
    } else if (art == "search") {
        Suche(out, a, statistik, z, v);
    } else {
        throw std::invalid_argument(Aufruf);
    }
    return 0;
}

}  // namespace quintaro::cli

#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "cli/ziehungsquelle.h"
#include "core/datei.h"
#include "core/formatierung.h"
#include "core/scheindateien.h"
#include "evaluation/gewinnauswertung.h"
#include "quotas/quotenliste.h"

namespace quintaro::cli {

namespace {
// German dates as the window shows them, amounts with a point and no thousands
// separators, for the time of one command.
class PunktBetraege {
public:
    PunktBetraege() : vorher_(Region()) {
        Regionaleinstellungen region;
        region.dezimalzeichen = ".";
        region.tausenderzeichen = "";
        region.nachWaehrung = "";
        SetzeRegion(region);
    }
    ~PunktBetraege() { SetzeRegion(vorher_); }
    PunktBetraege(const PunktBetraege&) = delete;
    PunktBetraege& operator=(const PunktBetraege&) = delete;

private:
    Regionaleinstellungen vorher_;
};

TDatum IsoDatum(const std::string& text, const std::string& was) {
    const auto datum = DatumAusISO(text);
    if (!datum) throw std::invalid_argument("\"" + text + "\" ist kein Datum der Form JJJJ-MM-TT (" + was + ").");
    return *datum;
}

// Index of the draw on that date; -1 (no stored draw, which the evaluation refuses) when there is none.
int ZiehungsIndex(const std::vector<TGewZahlen>& ziehungen, TDatum datum) {
    for (std::size_t i = 0; i < ziehungen.size(); ++i)
        if (ziehungen[i].datum == datum) return int(i);
    return -1;
}

TippTabelle ScheinReihen(const std::string& datei) {
    TippTabelle reihen;
    ReihenKopf(reihen);
    switch (ScheinArtVon(datei)) {
        case ScheinArt::System: {
            std::vector<TZahlenMenge> bankMengen;
            SystemscheinAufloesen(SystemscheinLesen(datei), reihen, bankMengen);
            break;
        }
        case ScheinArt::Normal: ReihenLesen(reihen, datei); break;
        case ScheinArt::Unbekannt:
            throw std::invalid_argument("Die Datei \"" + DateiName(datei) +
                                        "\" ist weder ein Normalschein (.nqtr) noch ein Systemschein (.sqtr).");
    }
    return reihen;
}

Ziehungstage TageAus(const std::string& text) {
    if (text == "all") return Ziehungstage::Alle;
    if (text == "sun") return Ziehungstage::Sonntag;
    if (text == "wed") return Ziehungstage::Mittwoch;
    throw std::invalid_argument("--day erwartet all, sun oder wed, nicht \"" + text + "\".");
}
}  // namespace

int BefehlEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Argumente a(args);
    if (!a.positionen().empty())
        throw std::invalid_argument(
            "Aufruf: quintaro-cli evaluate --draws GZ.645 [--quotas Quo.645] --ticket DATEI [--to DATUM] "
            "[--from DATUM] [--day all|sun|wed]");
    const PunktBetraege punkt;
    const std::vector<TGewZahlen> ziehungen = ZiehungenAusDatei(a.pflicht("draws"), err);
    std::vector<TQuoten> quoten;
    if (const auto datei = a.option("quotas")) quoten = QuotenAusDatei(*datei, err);
    const TippTabelle reihen = ScheinReihen(a.pflicht("ticket"));
    const auto bisText = a.option("to");
    const int bis = bisText ? ZiehungsIndex(ziehungen, IsoDatum(*bisText, "--to")) : int(ziehungen.size()) - 1;
    const auto vonText = a.option("from");
    const int von = vonText ? ZiehungsIndex(ziehungen, IsoDatum(*vonText, "--from")) : bis;
    const Ziehungstage tage = TageAus(a.option("day").value_or("all"));

    const Auswertung ergebnis = GewinnAuswertung(reihen, ziehungen, quoten, bis, von, vonText.has_value(), tage);
    if (ergebnis.abgelehnt()) {
        err << AlsZeilen(ergebnis.ablehnung) << '\n';
        return 1;
    }
    for (const auto& zeile : ergebnis.zeilen)
        out << ErgebnisZelle(zeile, 0) << '\t' << ErgebnisZelle(zeile, 1) << '\t' << ErgebnisZelle(zeile, 2) << '\t'
            << ErgebnisZelle(zeile, 3) << '\n';
    out << "total\t" << BetragText(ergebnis.gesamt) << '\n';
    out << "best\t" << BetragText(ergebnis.hoechstgewinn) << '\t'
        << (ergebnis.hoechstgewinnZeile > 0 ? DatumText(ergebnis.hoechstgewinnDatum) : std::string()) << '\t'
        << ergebnis.hoechstgewinnZeile << '\n';
    return 0;
}

int BefehlQuota(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Argumente a(args);
    if (a.positionen().size() != 3) throw std::invalid_argument("Aufruf: quintaro-cli quota DATEI KLASSE DATUM");
    const PunktBetraege punkt;
    const std::vector<TQuoten> quoten = QuotenAusDatei(a.positionen()[0], err);
    const int klasse = GanzeZahl(a.positionen()[1], "KLASSE");
    const TDatum datum = IsoDatum(a.positionen()[2], "DATUM");
    const int hoechste = datum < NeueKlassenAb ? 5 : 8;
    if (klasse < 1 || klasse > hoechste)
        throw std::invalid_argument("Am " + DatumText(datum) + " gibt es die Gewinnklassen 1 bis " +
                                    std::to_string(hoechste) + ".");
    out << BetragText(QuoteHolen(quoten, klasse, datum)) << '\n';
    return 0;
}

}  // namespace quintaro::cli

#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "cli/ziehungsquelle.h"
#include "core/datei.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/ziehungsdatei.h"
#include "core/ziehungstext.h"
#include "online/download.h"
#include "online/serveradresse.h"
#include "online/ui/herunterladen_wartend.h"
#include "online/ziehungsdownload.h"

namespace quintaro::cli {

namespace {
std::vector<TGewZahlen> Ansicht(std::vector<TGewZahlen> alle, const std::string& ansicht) {
    const int v = AnsichtNummer(ansicht);
    if (v == 0) return alle;
    std::vector<TGewZahlen> so, mi;
    ListenTeilen(alle, so, mi);
    return v == 1 ? so : mi;
}

int Liste(const Argumente& a, std::ostream& out, std::ostream& err) {
    if (a.positionen().size() != 2) throw std::invalid_argument("Aufruf: quintaro-cli draws list DATEI [--view all|sun|wed]");
    for (const auto& z : Ansicht(ZiehungenAusDatei(a.positionen()[1], err), a.option("view").value_or("all"))) {
        out << DatumISO(z.datum) << '\t';
        for (int i = 1; i <= 6; ++i) out << (i > 1 ? "," : "") << int(z.GZ[std::size_t(i)]);
        out << '\t' << int(z.ZZ) << '\n';
    }
    return 0;
}

int Import(const Argumente& a) {
    if (a.positionen().size() != 3) throw std::invalid_argument("Aufruf: quintaro-cli draws import CSV DATEI");
    const std::filesystem::path csv = a.positionen()[1], ziel = a.positionen()[2];
    const Bytes text = LiesDatei(csv);
    std::vector<TGewZahlen> ziehungen;
    try {
        ziehungen = ZiehungenAusText(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
    } catch (const KonvertierungsFehler& e) {
        throw KonvertierungsFehler("Die Datei \"" + DateiName(csv) + "\" lässt sich nicht einlesen. " + e.what() +
                                   std::string(Absatz) + "Die Datei \"" + DateiName(ziel) + "\" bleibt unverändert.");
    }
    ZiehungenSpeichern(ziel, ziehungen);
    return 0;
}

// The history download into FILE: the answer lands beside it and replaces it
// only when it is a valid history; FILE.bak keeps the previous state.
int Download(const Argumente& a, std::ostream& out) {
    if (a.positionen().size() != 2)
        throw std::invalid_argument("Aufruf: quintaro-cli draws download DATEI [--server URL]");
    const std::filesystem::path historie = a.positionen()[1];
    Downloadauftrag auftrag;
    // Without --server the address the program itself uses, from the settings file.
    const std::string server = a.hat("server") ? a.pflicht("server") : ServerAusEinstellungen(Einstellungen());
    auftrag.adresse = DownloadAdresse(server, ZiehungsDateiName);
    auftrag.ziel = ZiehungsdownloadPfad(historie);
    auftrag.probe = historie.string() + ".tmp";
    auftrag.hoechstGroesse = ZiehungsDateiGrenze;
    auftrag.zeitlimitMs = StandardZeitlimitSekunden * 1000;
    const Downloadergebnis ergebnis = HerunterladenUndWarten(auftrag);
    if (!ergebnis.erfolg())
        throw std::runtime_error("Der Download ist gescheitert. " + DownloadUrsache(ergebnis, auftrag.hoechstGroesse));
    const Einsetzergebnis eingesetzt = ZiehungsdownloadEinsetzen(auftrag.ziel, historie, historie.string() + ".bak");
    if (!eingesetzt.eingesetzt) throw std::runtime_error(eingesetzt.meldung);
    out << eingesetzt.ziehungen << " Ziehungen geladen.\n";
    return 0;
}

int Export(const Argumente& a, std::ostream& err) {
    if (a.positionen().size() != 3) throw std::invalid_argument("Aufruf: quintaro-cli draws export DATEI CSV");
    SchreibeDateiAtomar(a.positionen()[2], ZiehungenAlsText(ZiehungenAusDatei(a.positionen()[1], err)));
    return 0;
}
}  // namespace

int BefehlDraws(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Argumente a(args);
    const std::string unter = a.positionen().empty() ? "" : a.positionen()[0];
    if (unter == "list") return Liste(a, out, err);
    if (unter == "import") return Import(a);
    if (unter == "export") return Export(a, err);
    if (unter == "download") return Download(a, out);
    throw std::invalid_argument("Aufruf: quintaro-cli draws list|import|export|download ...");
}

}  // namespace quintaro::cli

#include "cli/befehle.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <new>
#include <map>
#include <stdexcept>

#include "cli/befehlsgruppen.h"
#include "core/fehler.h"

namespace quintaro::cli {

namespace {
struct Gruppe {
    Befehl ausfuehren;
    const char* hilfe;
};

const std::map<std::string, Gruppe>& Gruppen() {
    static const std::map<std::string, Gruppe> gruppen = {
        {"binomial", {BefehlBinomial, "binomial N K                      n über k"}},
        {"evaluate", {BefehlEvaluate, "evaluate --draws GZ.645 [--quotas Quo.645] --ticket DATEI [--to JJJJ-MM-TT] "
                                      "[--from JJJJ-MM-TT] [--day all|sun|wed]\n"
                                      "                                    Gewinnauswertung eines Scheins"}},
        {"quota", {BefehlQuota, "quota DATEI KLASSE JJJJ-MM-TT      Quote einer Gewinnklasse an einem Tag"}},
        {"quotas", {BefehlQuotas, "quotas parse TEXTDATEI [--column N]\n"
                                  "                                    Quoten aus kopiertem Text (ohne --column als Fließtext)"}},
        {"systems", {BefehlSystems, "systems list|rows|verify|expand|test  Lotteriesysteme: Katalog, Reihen, Prüfung, Erweiterung, Systemtest"}},
        {"classify", {BefehlClassify, "classify --row 1,2,3,4,5,6 --draw 1,2,3,4,5,6 --zz 7 --date JJJJ-MM-TT\n"
                                      "                                    Gewinnklasse einer Reihe"}},
        {"draws", {BefehlDraws, "draws list DATEI [--view all|sun|wed]\n"
                                "  draws import CSV DATEI | draws export DATEI CSV\n"
                                "  draws download DATEI [--server URL]\n"
                                "                                    Ziehungen zeigen, einlesen, ausgeben, herunterladen"}},
        {"stats", {BefehlStats, "stats freq|absence|pairs|triples|quads|search --draws DATEI [--view all|sun|wed]\n"
                                "  [--from I --to I] [--numbers 5,12]\n"
                                "                                    Zahlenstatistik einer Ansicht"}},
        {"tips", {BefehlTips, "tips DATEI [--blanks separate|remove]\n"
                              "                                    Tippreihen aus einem Text, wie sie in die Tabelle kämen"}},
        {"random", {BefehlRandom, "random --count N [--bank 7,21] [--killer 1,2] [--fav 13] [--seed S]\n"
                                  "                                    Zufallstipps mit Bankzahlen, Quotenkillern, Favoriten"}},
        {"xlsx", {BefehlXlsx, "xlsx export SCHEIN AUS.xlsx [--sheet NAME] | xlsx import EIN.xlsx\n"
                              "                                    Tippreihen als Arbeitsmappe ausgeben, einlesen"}},
    };
    return gruppen;
}

bool IstHilfe(const std::string& arg) { return arg == "--help" || arg == "-h"; }

void Hilfe(std::ostream& out) {
    out << "quintaro-cli BEFEHL ...\n\nBefehle:\n";
    for (const auto& [name, gruppe] : Gruppen()) out << "  " << gruppe.hilfe << '\n';
}
}  // namespace

std::string AlsZeilen(std::string text) {
    for (auto& c : text)
        if (c == '\r') c = '\n';
    return text;
}

int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || IstHilfe(args[0]) || args[0] == "help") {
        Hilfe(out);
        return args.empty() ? 1 : 0;
    }
    const auto it = Gruppen().find(args[0]);
    if (it == Gruppen().end()) {
        err << "Unbekannter Befehl \"" << args[0] << "\". Eine Übersicht zeigt quintaro-cli --help.\n";
        return 1;
    }
    // "--help" anywhere after a command: that command's usage.
    if (std::any_of(args.begin() + 1, args.end(), IstHilfe)) {
        out << "quintaro-cli " << it->second.hilfe << '\n';
        return 0;
    }
    try {
        return it->second.ausfuehren(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    } catch (const std::filesystem::filesystem_error& e) {
        // The library's text is English: name the file in our words.
        err << "Auf \"" << e.path1().string() << "\" konnte nicht zugegriffen werden.\n";
        return 1;
    } catch (const std::bad_alloc&) {
        err << "Für diesen Befehl reicht der Arbeitsspeicher nicht aus.\n";
        return 1;
    } catch (const std::exception& e) {
        err << AlsZeilen(e.what()) << '\n';  // our errors carry German texts
        return 1;
    }
}

}  // namespace quintaro::cli

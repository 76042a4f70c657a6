#pragma once
// The straightforward evaluation the benchmarks measure the program's against.
#include <array>
#include <set>
#include <string>
#include <vector>

#include "core/datensaetze.h"
#include "core/formatierung.h"
#include "core/scheindateien.h"
#include "evaluation/gewinnauswertung.h"
#include "quotas/quotenliste.h"

namespace bench {

using namespace quintaro;

struct ReferenzErgebnis {
    std::vector<std::array<std::string, 4>> zeilen;
    Currency gesamt = 0;
};

// The straightforward evaluation: every cell parsed again for every draw, the
// hits counted through std::set, every win priced by searching the quota list,
// every line's texts built at once.
inline ReferenzErgebnis Referenz(const TippTabelle& reihen, const std::vector<TGewZahlen>& ziehungen,
                                 const std::vector<TQuoten>& quoten) {
    ReferenzErgebnis r;
    for (const auto& z : ziehungen) {
        const std::set<int> gezogen(z.GZ.begin() + 1, z.GZ.end());
        bool erste = true, gewonnen = false;
        for (std::size_t j = 1; j < reihen.size(); ++j) {
            std::set<int> reihe;
            for (std::size_t s = 1; s <= 6; ++s) reihe.insert(std::stoi(reihen[j][s]));
            int treffer = 0;
            for (int n : reihe) treffer += int(gezogen.count(n));
            TZahlenMenge menge, gz;
            for (int n : reihe) menge.hinzu(n);
            for (int n : gezogen) gz.hinzu(n);
            const int klasse = GewinnKlasse(menge, gz, z.ZZ, z.datum);
            if (klasse == 0) continue;
            const Currency betrag = QuoteHolen(quoten, klasse, z.datum);
            r.gesamt += betrag;
            r.zeilen.push_back({erste ? DatumsLabel(z.datum) : std::string(), std::string(KlassenLabel(klasse, z.datum)),
                                std::to_string(j), QuotenText(betrag)});
            erste = false;
            gewonnen = true;
        }
        if (!gewonnen) r.zeilen.push_back({DatumsLabel(z.datum), "---", "---", "---"});
    }
    return r;
}
}  // namespace bench

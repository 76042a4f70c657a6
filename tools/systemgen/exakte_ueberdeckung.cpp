#include "exakte_ueberdeckung.h"

#include <algorithm>
#include <numeric>

namespace systemgen {

ExakteUeberdeckung::ExakteUeberdeckung(int spalten) : groesse_(std::size_t(spalten), 0) {}

void ExakteUeberdeckung::Zeile(const std::vector<int>& spalten) {
    zeilen_.push_back(spalten);
}

std::optional<std::vector<int>> ExakteUeberdeckung::Loese(std::int64_t knotenGrenze, std::uint64_t saat) {
    const int spalten = int(groesse_.size());
    // Node 0 is the root, nodes 1..spalten the column heads.
    k_.assign(std::size_t(spalten) + 1, {});
    for (int c = 0; c <= spalten; ++c)
        k_[std::size_t(c)] = {c == 0 ? spalten : c - 1, c == spalten ? 0 : c + 1, c, c, c, -1};
    std::fill(groesse_.begin(), groesse_.end(), 0);
    std::vector<int> reihenfolge(zeilen_.size());
    std::iota(reihenfolge.begin(), reihenfolge.end(), 0);
    std::mt19937_64 zufall(saat);
    std::shuffle(reihenfolge.begin(), reihenfolge.end(), zufall);
    for (int z : reihenfolge) {
        int erster = -1;
        for (int c : zeilen_[std::size_t(z)]) {
            const int kopf = c + 1, n = int(k_.size());
            k_.push_back({n, n, k_[std::size_t(kopf)].oben, kopf, kopf, z});
            k_[std::size_t(k_[std::size_t(kopf)].oben)].unten = n;
            k_[std::size_t(kopf)].oben = n;
            ++groesse_[std::size_t(c)];
            if (erster < 0) {
                erster = n;
            } else {
                k_[std::size_t(n)].links = k_[std::size_t(erster)].links;
                k_[std::size_t(n)].rechts = erster;
                k_[std::size_t(k_[std::size_t(erster)].links)].rechts = n;
                k_[std::size_t(erster)].links = n;
            }
        }
    }
    gewaehlt_.clear();
    knoten_ = 0;
    grenze_ = knotenGrenze;
    if (!Suche()) return std::nullopt;
    return gewaehlt_;
}

void ExakteUeberdeckung::Entferne(int c) {
    auto& kopf = k_[std::size_t(c)];
    k_[std::size_t(kopf.rechts)].links = kopf.links;
    k_[std::size_t(kopf.links)].rechts = kopf.rechts;
    for (int i = kopf.unten; i != c; i = k_[std::size_t(i)].unten)
        for (int j = k_[std::size_t(i)].rechts; j != i; j = k_[std::size_t(j)].rechts) {
            auto& n = k_[std::size_t(j)];
            k_[std::size_t(n.unten)].oben = n.oben;
            k_[std::size_t(n.oben)].unten = n.unten;
            --groesse_[std::size_t(n.spalte - 1)];
        }
}

void ExakteUeberdeckung::Fuegeein(int c) {
    auto& kopf = k_[std::size_t(c)];
    for (int i = kopf.oben; i != c; i = k_[std::size_t(i)].oben)
        for (int j = k_[std::size_t(i)].links; j != i; j = k_[std::size_t(j)].links) {
            auto& n = k_[std::size_t(j)];
            ++groesse_[std::size_t(n.spalte - 1)];
            k_[std::size_t(n.unten)].oben = j;
            k_[std::size_t(n.oben)].unten = j;
        }
    k_[std::size_t(kopf.rechts)].links = c;
    k_[std::size_t(kopf.links)].rechts = c;
}

bool ExakteUeberdeckung::Suche() {
    if (k_[0].rechts == 0) return true;
    if (++knoten_ > grenze_) return false;
    // The column with the fewest rows left.
    int c = k_[0].rechts;
    for (int j = k_[std::size_t(c)].rechts; j != 0; j = k_[std::size_t(j)].rechts)
        if (groesse_[std::size_t(j - 1)] < groesse_[std::size_t(c - 1)]) c = j;
    if (groesse_[std::size_t(c - 1)] == 0) return false;
    Entferne(c);
    for (int r = k_[std::size_t(c)].unten; r != c; r = k_[std::size_t(r)].unten) {
        gewaehlt_.push_back(k_[std::size_t(r)].zeile);
        for (int j = k_[std::size_t(r)].rechts; j != r; j = k_[std::size_t(j)].rechts)
            Entferne(k_[std::size_t(j)].spalte);
        if (Suche()) return true;
        for (int j = k_[std::size_t(r)].links; j != r; j = k_[std::size_t(j)].links)
            Fuegeein(k_[std::size_t(j)].spalte);
        gewaehlt_.pop_back();
        if (knoten_ > grenze_) break;
    }
    Fuegeein(c);
    return false;
}

}  // namespace systemgen

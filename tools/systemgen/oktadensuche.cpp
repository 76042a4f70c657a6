#include "oktadensuche.h"

#include <algorithm>
#include <cmath>

#include "core/kombinatorik.h"
#include "steinersysteme.h"

namespace systemgen {

Oktadensuche::Oktadensuche(int zeilen, std::uint64_t saat) : zufall_(saat) {
    for (int n = 0; n <= 24; ++n)
        for (int j = 1; j <= 4; ++j) binom_[n][j] = quintaro::Binomial(n, j);
    for (const auto& o : Oktaden()) {
        std::array<int, 8> a{};
        for (int i = 0; i < 8; ++i) a[std::size_t(i)] = o[std::size_t(i)] - 1;
        oktaden_.push_back(a);
    }
    for (int i = 0; i < 8; ++i)
        for (int j = i + 1; j < 8; ++j) paare_.push_back({i, j});
    quadrupel_.resize(10626);
    quintaro::FuerAlleKombinationen(24, 4, [&](const std::vector<int>& a) {
        const auto r = binom_[a[0] - 1][1] + binom_[a[1] - 1][2] + binom_[a[2] - 1][3] + binom_[a[3] - 1][4];
        quadrupel_[std::size_t(r)] = {a[0] - 1, a[1] - 1, a[2] - 1, a[3] - 1};
        return true;
    });
    std::vector<int> anzahl(10626, 0);
    oktadenVon_.resize(10626);
    for (int o = 0; o < int(oktaden_.size()); ++o)
        quintaro::FuerAlleKombinationen(8, 4, [&](const std::vector<int>& pos) {
            const auto& w = oktaden_[std::size_t(o)];
            const auto r = binom_[w[std::size_t(pos[0] - 1)]][1] + binom_[w[std::size_t(pos[1] - 1)]][2] +
                           binom_[w[std::size_t(pos[2] - 1)]][3] + binom_[w[std::size_t(pos[3] - 1)]][4];
            oktadenVon_[std::size_t(r)][std::size_t(anzahl[std::size_t(r)]++)] = o;
            return true;
        });
    // Start: every octad once with a random pair, the blocks beyond 759 on random octads.
    std::vector<Block> start;
    for (int s = 0; s < zeilen; ++s)
        start.push_back({s < int(oktaden_.size()) ? s : int(zufall_() % oktaden_.size()), int(zufall_() % 28)});
    Setze(start);
}

void Oktadensuche::Quadrupel(const Block& b, int* raenge) const {
    const auto& o = oktaden_[std::size_t(b.oktade)];
    int w[6], n = 0;
    for (int i = 0; i < 8; ++i)
        if (i != paare_[std::size_t(b.paar)][0] && i != paare_[std::size_t(b.paar)][1]) w[n++] = o[std::size_t(i)];
    int k = 0;
    for (int a = 0; a < 6; ++a)
        for (int c = a + 1; c < 6; ++c)
            for (int d = c + 1; d < 6; ++d)
                for (int e = d + 1; e < 6; ++e)
                    raenge[k++] = int(binom_[w[a]][1] + binom_[w[c]][2] + binom_[w[d]][3] + binom_[w[e]][4]);
}

void Oktadensuche::Zaehle(int rang, int plus) {
    int& z = zaehler_[std::size_t(rang)];
    if (z == 0 && plus > 0) {
        const int s = stelle_[std::size_t(rang)], letzte = offen_.back();
        offen_[std::size_t(s)] = letzte;
        stelle_[std::size_t(letzte)] = s;
        offen_.pop_back();
    }
    z += plus;
    if (z == 0) {
        stelle_[std::size_t(rang)] = int(offen_.size());
        offen_.push_back(rang);
    }
}

void Oktadensuche::Setze(const std::vector<Block>& bloecke) {
    zaehler_.assign(10626, 0);
    stelle_.assign(10626, 0);
    offen_.clear();
    for (int r = 0; r < 10626; ++r) {
        stelle_[std::size_t(r)] = int(offen_.size());
        offen_.push_back(r);
    }
    bloecke_ = bloecke;
    int q[15];
    for (const auto& b : bloecke_) {
        Quadrupel(b, q);
        for (int r : q) Zaehle(r, +1);
    }
}

void Oktadensuche::Gluehen(std::int64_t schritte) {
    auto beste = bloecke_;
    std::int64_t besteKosten = Unbedeckt();
    const std::int64_t zyklus = 2'000'000;
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    int qNeu[15], qAlt[15];
    for (std::int64_t schritt = 0; schritt < schritte && !offen_.empty(); ++schritt) {
        if (schritt % zyklus == 0 && schritt > 0 && Unbedeckt() > besteKosten) Setze(beste);
        const double temperatur = 1.2 * (1.0 - double(schritt % zyklus) / double(zyklus)) + 0.05;
        const int rangQ = offen_[std::size_t(zufall_() % offen_.size())];
        const auto& Q = quadrupel_[std::size_t(rangQ)];
        // The block through Q that covers most uncovered quadruples.
        Block neu{};
        int gewinn = -1, gleichviele = 0;
        for (int o : oktadenVon_[std::size_t(rangQ)]) {
            const auto& w = oktaden_[std::size_t(o)];
            for (int p = 0; p < 28; ++p) {
                const int x = w[std::size_t(paare_[std::size_t(p)][0])], y = w[std::size_t(paare_[std::size_t(p)][1])];
                if (std::find(Q.begin(), Q.end(), x) != Q.end() || std::find(Q.begin(), Q.end(), y) != Q.end())
                    continue;
                Quadrupel({o, p}, qNeu);
                int g = 0;
                for (int r : qNeu) g += zaehler_[std::size_t(r)] == 0;
                if (g > gewinn)
                    gewinn = g, neu = {o, p}, gleichviele = 1;
                else if (g == gewinn && zufall_() % std::uint64_t(++gleichviele) == 0)
                    neu = {o, p};
            }
        }
        Quadrupel(neu, qNeu);
        // The sampled block whose removal uncovers least (quadruples the new block keeps do not count).
        int weg = -1, verlust = 1 << 20;
        for (int probe = 0; probe < 24; ++probe) {
            const int s = int(zufall_() % bloecke_.size());
            Quadrupel(bloecke_[std::size_t(s)], qAlt);
            int l = 0;
            for (int r : qAlt)
                l += zaehler_[std::size_t(r)] == 1 && std::find(qNeu, qNeu + 15, r) == qNeu + 15;
            if (l < verlust) verlust = l, weg = s;
        }
        const int d = verlust - gewinn;
        if (d > 0 && gleich(zufall_) >= std::exp(-double(d) / temperatur)) continue;
        Quadrupel(bloecke_[std::size_t(weg)], qAlt);
        for (int r : qNeu) Zaehle(r, +1);
        for (int r : qAlt) Zaehle(r, -1);
        bloecke_[std::size_t(weg)] = neu;
        if (Unbedeckt() < besteKosten) besteKosten = Unbedeckt(), beste = bloecke_;
    }
    if (Unbedeckt() > besteKosten) Setze(beste);
}

Reihen Oktadensuche::Ergebnis() const {
    Reihen reihen;
    for (const auto& b : bloecke_) {
        Reihe r;
        for (int i = 0; i < 8; ++i)
            if (i != paare_[std::size_t(b.paar)][0] && i != paare_[std::size_t(b.paar)][1])
                r.push_back(oktaden_[std::size_t(b.oktade)][std::size_t(i)] + 1);
        std::sort(r.begin(), r.end());
        reihen.push_back(r);
    }
    return reihen;
}

}  // namespace systemgen

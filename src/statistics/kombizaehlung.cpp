#include "statistics/kombizaehlung.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>

#include "core/kombinatorik.h"
#include "core/spielregeln.h"

namespace quintaro {

namespace {

constexpr int GroessteKombi = 4;

// In lexicographic order the combination c1 < ... < ck has the number
//   (45 over k) - 1 - sum over i of ((45 - ci) over (k + 1 - i)).
// Beitrag[k][i][c] holds the summand of member c at position i (1-based).
struct Beitraege {
    std::array<std::array<std::array<int, MaxZahl + 1>, GroessteKombi + 1>, GroessteKombi + 1> wert{};
    std::array<int, GroessteKombi + 1> anzahl{};

    Beitraege() {
        for (int k = 1; k <= GroessteKombi; ++k) {
            anzahl[std::size_t(k)] = int(Binomial(MaxZahl, k));
            for (int i = 1; i <= k; ++i)
                for (int c = 1; c <= MaxZahl; ++c)
                    wert[std::size_t(k)][std::size_t(i)][std::size_t(c)] = int(Binomial(MaxZahl - c, k + 1 - i));
        }
    }
};

const Beitraege& Tabelle() {
    static const Beitraege tabelle;
    return tabelle;
}

void GroessePruefen(int k) {
    if (k < 2 || k > GroessteKombi) throw std::invalid_argument("Kombinationen gibt es hier nur mit 2 bis 4 Zahlen.");
}

constexpr TZahlenBits ZahlenMaske = ((TZahlenBits{1} << MaxZahl) - 1) << 1;  // bits 1..45

// Adds one to the count of every k-subset of the ascending numbers z[0..m).
void ZiehungZaehlen(const int* z, int m, int k, std::uint32_t* anz) {
    const auto& b = Tabelle().wert[std::size_t(k)];
    const int basis = Tabelle().anzahl[std::size_t(k)] - 1;
    // Positions walk like nested loops; the partial sums of the summands are kept per depth.
    std::array<int, GroessteKombi> pos{};
    std::array<int, GroessteKombi + 1> summe{};
    int tiefe = 0;
    pos[0] = 0;
    while (tiefe >= 0) {
        if (pos[std::size_t(tiefe)] > m - (k - tiefe)) {  // no room left for the remaining positions
            if (--tiefe >= 0) ++pos[std::size_t(tiefe)];
            continue;
        }
        summe[std::size_t(tiefe + 1)] =
            summe[std::size_t(tiefe)] + b[std::size_t(tiefe + 1)][std::size_t(z[pos[std::size_t(tiefe)]])];
        if (tiefe + 1 == k) {
            ++anz[basis - summe[std::size_t(k)]];
            ++pos[std::size_t(tiefe)];
        } else {
            pos[std::size_t(tiefe + 1)] = pos[std::size_t(tiefe)] + 1;
            ++tiefe;
        }
    }
}

// The levels a ranking takes: from `start` towards `ende` (one step per level)
// until more than RanglistenMindestzeilen rows are gathered; returns the last level.
std::uint32_t GrenzStufe(const std::vector<std::size_t>& jeStufe, std::uint32_t start, std::uint32_t ende) {
    std::size_t zeilen = 0;
    const int schritt = ende >= start ? 1 : -1;
    for (std::uint32_t m = start;; m = std::uint32_t(int(m) + schritt)) {
        zeilen += jeStufe[m];
        if (zeilen > RanglistenMindestzeilen || m == ende) return m;
    }
}

}  // namespace

int KombiAnzahl(int k) {
    GroessePruefen(k);
    return Tabelle().anzahl[std::size_t(k)];
}

int KombiIndex(std::span<const int> zahlen) {
    const int k = int(zahlen.size());
    GroessePruefen(k);
    int index = Tabelle().anzahl[std::size_t(k)] - 1;
    for (int i = 1; i <= k; ++i) index -= Tabelle().wert[std::size_t(k)][std::size_t(i)][std::size_t(zahlen[std::size_t(i - 1)])];
    return index;
}

std::optional<std::vector<std::uint32_t>> KombisZaehlen(std::span<const TZahlenBits> ziehungen, int k,
                                                        const TFortschritt& fortschritt) {
    const int gesamt = KombiAnzahl(k);
    std::vector<std::uint32_t> anz(std::size_t(gesamt), 0);
    constexpr std::size_t Meldeabstand = 256;
    for (std::size_t d = 0; d < ziehungen.size(); ++d) {
        if (fortschritt && d % Meldeabstand == 0 && !fortschritt(int(std::int64_t(gesamt) * std::int64_t(d) / std::int64_t(ziehungen.size()))))
            return std::nullopt;
        std::array<int, ZahlenProReihe> z{};
        int m = 0;
        // A damaged record may hold a number twice or one outside 1..45; only
        // the distinct numbers 1..45 take part.
        for (TZahlenBits rest = ziehungen[d] & ZahlenMaske; rest && m < ZahlenProReihe; rest &= rest - 1)
            z[std::size_t(m++)] = std::countr_zero(rest);
        ZiehungZaehlen(z.data(), m, k, anz.data());
    }
    if (fortschritt && !fortschritt(gesamt)) return std::nullopt;
    return anz;
}

TRangliste RanglisteBilden(const std::vector<std::uint32_t>& anz, int k) {
    if (anz.size() != std::size_t(KombiAnzahl(k))) throw std::invalid_argument("Die Zählung passt nicht zur Kombinationsgröße.");
    const auto [kleinste, groesste] = std::minmax_element(anz.begin(), anz.end());
    std::vector<std::size_t> jeStufe(std::size_t(*groesste) + 1, 0);
    for (std::uint32_t a : anz) ++jeStufe[a];
    const std::uint32_t haeufigAb = GrenzStufe(jeStufe, *groesste, *kleinste);
    const std::uint32_t seltenBis = GrenzStufe(jeStufe, *kleinste, *groesste);

    TRangliste liste;
    std::size_t index = 0;
    FuerAlleKombinationen(MaxZahl, k, [&](const std::vector<int>& zahlen) {
        const std::uint32_t a = anz[index++];
        if (a < haeufigAb && a > seltenBis) return true;
        TZahlenMenge menge;
        for (int z : zahlen) menge.hinzu(z);
        if (a >= haeufigAb) liste.haeufig.push_back({menge, a});
        if (a <= seltenBis) liste.selten.push_back({menge, a});
        return true;
    });
    // Within a level the lexicographic order stays.
    std::stable_sort(liste.haeufig.begin(), liste.haeufig.end(), [](const TRangZeile& x, const TRangZeile& y) { return x.anz > y.anz; });
    std::stable_sort(liste.selten.begin(), liste.selten.end(), [](const TRangZeile& x, const TRangZeile& y) { return x.anz < y.anz; });
    return liste;
}

}  // namespace quintaro

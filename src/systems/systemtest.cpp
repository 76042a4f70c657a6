#include "systems/systemtest.h"

#include <algorithm>
#include <bit>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "core/kombinatorik.h"
#include "core/spielregeln.h"
#include "systems/systemreihen.h"

namespace quintaro {

int UntereTrefferGrenze(const TSysteme& s) {
    const int aussen = MaxZahl - s.poolgroesse();
    return s.RG - 2 > aussen ? s.RG - aussen : 2;
}

std::int64_t Kombinationsanzahl(const TSysteme& s) {
    std::int64_t summe = 0;
    for (int k = UntereTrefferGrenze(s); k <= s.RG; ++k) summe += Binomial(s.WZ, k);
    return summe;
}

std::int64_t Rechenoperationen(const TSysteme& s) { return std::int64_t(s.TR) * Kombinationsanzahl(s); }

namespace {
// One unit of work: the k-sets that begin with the given one or two positions.
struct Auftrag {
    int k;
    int laenge;              // 1 or 2 fixed positions
    std::array<int, 2> anfang;
    std::int64_t mengen;     // k-sets it covers
};

std::uint64_t Bit(int v) { return std::uint64_t{1} << v; }

// Counts, for the k-sets below a fixed beginning, the best hits over the rows.
// The walk fixes k - 1 positions; the last one needs no walk: with M the best
// count of the k - 1 fixed positions, a last position x gives M + 1 exactly
// when some row reaching M contains x.
//
// The rows' counts are held bit-sliced: three bit planes over the rows give
// each row's count in binary, so adding a position to all rows is a few word
// operations, and the rows reaching the maximum fall out of the planes.
class Zaehler {
public:
    Zaehler(const std::vector<std::uint64_t>& reihen, int WZ)
        : WZ_(WZ),
          W_((reihen.size() + 63) / 64),
          spalten_(std::size_t(WZ + 1) * W_),
          alleReihen_(W_),
          ebenen_(7 * Ebenen * W_),
          auswahl_(W_) {
        for (std::size_t r = 0; r < reihen.size(); ++r) {
            alleReihen_[r / 64] |= Bit(int(r % 64));
            for (int x = 1; x <= WZ; ++x)
                if ((reihen[r] >> x) & 1) spalten_[std::size_t(x) * W_ + r / 64] |= Bit(int(r % 64));
        }
    }

    void bearbeite(const Auftrag& a, Trefferzaehler& H) {
        k_ = a.k;
        H_ = &H;
        std::fill_n(ebene(0), Ebenen * W_, 0);
        for (int i = 0; i < a.laenge; ++i) dazu(i, a.anfang[std::size_t(i)]);
        gehe(a.laenge, a.anfang[std::size_t(a.laenge - 1)]);
    }

private:
    static constexpr std::size_t Ebenen = 3;  // counts up to 5 fixed positions

    std::uint64_t* ebene(int tiefe) { return &ebenen_[std::size_t(tiefe) * Ebenen * W_]; }

    // The planes of depth tiefe + 1: those of depth tiefe plus position x.
    void dazu(int tiefe, int x) {
        const std::uint64_t* q = ebene(tiefe);
        std::uint64_t* z = ebene(tiefe + 1);
        const std::uint64_t* R = &spalten_[std::size_t(x) * W_];
        for (std::size_t w = 0; w < W_; ++w) {
            const std::uint64_t uebertrag0 = q[w] & R[w];
            const std::uint64_t uebertrag1 = q[W_ + w] & uebertrag0;
            z[w] = q[w] ^ R[w];
            z[W_ + w] = q[W_ + w] ^ uebertrag0;
            z[2 * W_ + w] = q[2 * W_ + w] ^ uebertrag1;
        }
    }

    // `tiefe` positions are fixed, the last of them `letzte`.
    void gehe(int tiefe, int letzte) {
        if (tiefe == k_ - 1) {
            zaehleLetzte(tiefe, letzte);
            return;
        }
        const int hoechste = WZ_ - (k_ - tiefe - 1);
        for (int x = letzte + 1; x <= hoechste; ++x) {
            dazu(tiefe, x);
            gehe(tiefe + 1, x);
        }
    }

    void zaehleLetzte(int tiefe, int letzte) {
        const std::uint64_t* e = ebene(tiefe);
        // From the highest plane down: keep the rows with the bit when any has it.
        std::copy(alleReihen_.begin(), alleReihen_.end(), auswahl_.begin());
        int M = 0;
        for (int b = int(Ebenen) - 1; b >= 0; --b) {
            const std::uint64_t* ebeneB = e + std::size_t(b) * W_;
            std::uint64_t irgendeine = 0;
            for (std::size_t w = 0; w < W_; ++w) irgendeine |= auswahl_[w] & ebeneB[w];
            if (!irgendeine) continue;
            for (std::size_t w = 0; w < W_; ++w) auswahl_[w] &= ebeneB[w];
            M += 1 << b;
        }
        int mitM1 = 0;
        for (int x = letzte + 1; x <= WZ_; ++x) {
            const std::uint64_t* R = &spalten_[std::size_t(x) * W_];
            std::uint64_t irgendeine = 0;
            for (std::size_t w = 0; w < W_; ++w) irgendeine |= R[w] & auswahl_[w];
            mitM1 += irgendeine != 0;
        }
        (*H_)[std::size_t(k_)][std::size_t(M + 1)] += mitM1;
        (*H_)[std::size_t(k_)][std::size_t(M)] += (WZ_ - letzte) - mitM1;
    }

    int WZ_;
    std::size_t W_;                        // words per bit set over the rows
    std::vector<std::uint64_t> spalten_;   // [x]: the rows holding position x
    std::vector<std::uint64_t> alleReihen_;
    std::vector<std::uint64_t> ebenen_;    // [tiefe][plane]: bit planes of the counts
    std::vector<std::uint64_t> auswahl_;   // rows reaching the best count
    int k_ = 0;
    Trefferzaehler* H_ = nullptr;
};

std::vector<Auftrag> Auftraege(int WZ, int RG, int D) {
    std::vector<Auftrag> liste;
    for (int k = D; k <= RG; ++k) {
        if (k < 2 || k > WZ) continue;
        if (k == 2) {
            for (int a = 1; a <= WZ - 1; ++a) liste.push_back({k, 1, {a, 0}, WZ - a});
            continue;
        }
        for (int a = 1; a <= WZ - k + 1; ++a)
            for (int b = a + 1; b <= WZ - k + 2; ++b) liste.push_back({k, 2, {a, b}, Binomial(WZ - b, k - 2)});
    }
    return liste;
}
}  // namespace

Systemtestergebnis Systemtest(const std::vector<std::uint64_t>& reihen, int WZ, int RG, int D,
                              const Systemtestoptionen& optionen) {
    Systemtestergebnis ergebnis;
    ergebnis.D = D;
    ergebnis.RG = RG;
    ergebnis.WZ = WZ;
    std::int64_t gesamt = 0;
    for (int k = std::max(D, 2); k <= std::min(RG, 6); ++k) gesamt += ergebnis.kombinationen[std::size_t(k)] = Binomial(WZ, k);
    if (reihen.empty() || WZ < 1 || WZ > 63) return ergebnis;

    const std::vector<Auftrag> auftraege = Auftraege(WZ, std::min(RG, 6), D);
    const int threads = std::max(1, optionen.threads > 0 ? optionen.threads : int(std::thread::hardware_concurrency()));
    std::atomic<std::size_t> naechster{0};
    std::atomic<std::int64_t> erledigt{0};
    std::mutex mutex;
    std::condition_variable fertigSignal;
    int laufende = threads;
    std::vector<Trefferzaehler> teilH(static_cast<std::size_t>(threads));

    const auto arbeite = [&](int nr) {
        Zaehler zaehler(reihen, WZ);
        while (true) {
            if (optionen.stopp && optionen.stopp->load(std::memory_order_relaxed)) break;
            const std::size_t i = naechster.fetch_add(1);
            if (i >= auftraege.size()) break;
            zaehler.bearbeite(auftraege[i], teilH[std::size_t(nr)]);
            erledigt += auftraege[i].mengen;
        }
        std::lock_guard lock(mutex);
        --laufende;
        fertigSignal.notify_all();
    };

    std::vector<std::jthread> arbeiter;
    for (int t = 0; t < threads; ++t) arbeiter.emplace_back(arbeite, t);
    {
        // Report progress while the workers run.
        std::unique_lock lock(mutex);
        std::int64_t gemeldet = -1;
        while (laufende > 0) {
            fertigSignal.wait_for(lock, std::chrono::milliseconds(20));
            const std::int64_t stand = erledigt.load();
            if (optionen.fortschritt && stand != gemeldet && laufende > 0) {
                lock.unlock();
                optionen.fortschritt(stand, gesamt);
                lock.lock();
                gemeldet = stand;
            }
        }
    }
    arbeiter.clear();

    for (const auto& h : teilH)
        for (std::size_t k = 0; k < 7; ++k)
            for (std::size_t m = 0; m < 7; ++m) ergebnis.H[k][m] += h[k][m];
    ergebnis.abgebrochen = erledigt.load() < gesamt;
    if (optionen.fortschritt && !ergebnis.abgebrochen) optionen.fortschritt(gesamt, gesamt);
    return ergebnis;
}

Systemtestergebnis Systemtest(int index, const Systemtestoptionen& optionen) {
    const TSysteme& s = SystemKatalog().at(std::size_t(index));
    return Systemtest(Systemreihen(index), s.WZ, s.RG, UntereTrefferGrenze(s), optionen);
}

}  // namespace quintaro

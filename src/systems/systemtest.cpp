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
// The walk fixes k - 1 positions; for the last one it needs no loop: with M the
// best count of the k - 1 fixed positions and U the union of the rows reaching
// M, a last position x gives M + 1 exactly when x lies in U.
class Zaehler {
public:
    Zaehler(const std::vector<std::uint64_t>& reihen, int WZ)
        : reihen_(reihen), WZ_(WZ), stand_(7, std::vector<std::uint8_t>(reihen.size())) {}

    void bearbeite(const Auftrag& a, Trefferzaehler& H) {
        k_ = a.k;
        H_ = &H;
        auto& start = stand_[std::size_t(a.laenge)];
        std::uint64_t anfang = 0;
        for (int i = 0; i < a.laenge; ++i) anfang |= Bit(a.anfang[std::size_t(i)]);
        for (std::size_t r = 0; r < reihen_.size(); ++r) start[r] = std::uint8_t(std::popcount(reihen_[r] & anfang));
        gehe(a.laenge, a.anfang[std::size_t(a.laenge - 1)]);
    }

private:
    // `tiefe` positions are fixed, the last of them `letzte`; stand_[tiefe] holds
    // each row's hits among them.
    void gehe(int tiefe, int letzte) {
        const auto& stand = stand_[std::size_t(tiefe)];
        if (tiefe == k_ - 1) {
            int M = 0;
            std::uint64_t U = 0;
            for (std::size_t r = 0; r < reihen_.size(); ++r) {
                const int c = stand[r];
                if (c > M) {
                    M = c;
                    U = reihen_[r];
                } else if (c == M) {
                    U |= reihen_[r];
                }
            }
            const std::uint64_t darueber = (Bit(WZ_ + 1) - 1) & ~(Bit(letzte + 1) - 1);
            const int mitM1 = std::popcount(U & darueber);
            (*H_)[std::size_t(k_)][std::size_t(M + 1)] += mitM1;
            (*H_)[std::size_t(k_)][std::size_t(M)] += (WZ_ - letzte) - mitM1;
            return;
        }
        auto& naechster = stand_[std::size_t(tiefe + 1)];
        const int hoechste = WZ_ - (k_ - tiefe - 1);
        for (int x = letzte + 1; x <= hoechste; ++x) {
            for (std::size_t r = 0; r < reihen_.size(); ++r)
                naechster[r] = std::uint8_t(stand[r] + ((reihen_[r] >> x) & 1));
            gehe(tiefe + 1, x);
        }
    }

    const std::vector<std::uint64_t>& reihen_;
    int WZ_;
    int k_ = 0;
    std::vector<std::vector<std::uint8_t>> stand_;
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

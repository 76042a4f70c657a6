#pragma once
// The generation of distinct random tip rows under the roles: the check of
// the requested count, the draw pool with double-weight favourites, the rows
// with the set that tells a new row from an accepted one, the counts of the
// numbers and their distribution order, and the rows as ticket text and grid.
#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/scheindateien.h"
#include "core/spielregeln.h"
#include "random/zufallsgenerator.h"
#include "random/zufallsrollen.h"

namespace quintaro {

// Six numbers ascending.
using TZufallsreihe = std::array<std::uint8_t, ZahlenProReihe>;

// The requested count, or the message that refuses it.
struct TAnforderung {
    int anzahl = 0;
    std::string fehler;
    bool gueltig() const { return fehler.empty(); }
};

// How many distinct rows the roles leave: free numbers over open places.
std::int64_t MoeglicheReihen(const TRollenstand& stand);
// The text of the row count entry as a count the roles allow: a whole number
// from 1 to MoeglicheReihen.
TAnforderung AnzahlPruefen(std::string_view text, const TRollenstand& stand);
// 1..45 without banker numbers and quota killers, favourites twice.
std::vector<std::uint8_t> Topf(const TRollenstand& stand);

// The accepted rows of a run as a set keyed by each row's rank among all
// 6-subsets of 1..45, a hash without collisions: one bit per possible row.
class TReihenmenge {
public:
    TReihenmenge();
    bool ReiheNeu(const TZufallsreihe& reihe) const;
    void Aufnehmen(const TZufallsreihe& reihe);
    // 0 .. C(45, 6) - 1.
    static std::uint32_t Rang(const TZufallsreihe& reihe);

private:
    std::vector<std::uint64_t> bits_;
};

struct TZufallsergebnis {
    int ZufReihenAnz = 0;                     // requested
    std::vector<TZufallsreihe> Zufreihen;     // accepted, in the order drawn
    std::array<int, MaxZahl + 1> NrCount{};   // [1..45]: occurrences in Zufreihen
    bool abgebrochen() const { return int(Zufreihen.size()) < ZufReihenAnz; }
};

// Called with the number of rows accepted so far.
using TZufallsfortschritt = std::function<void(int angenommen)>;

// Draws ZufReihenAnz distinct rows (the count must have passed AnzahlPruefen).
// The generator is reseeded once, unless a fixed state is given. A set stop
// flag ends the run early with the rows accepted so far.
TZufallsergebnis ZufallszahlenErmitteln(const TRollenstand& stand, int ZufReihenAnz, TZufallsgenerator& generator,
                                        std::optional<std::uint32_t> festerZustand = std::nullopt,
                                        const std::atomic<bool>* stopp = nullptr,
                                        const TZufallsfortschritt& fortschritt = {});

// The numbers of the 45 distribution slots: 1..45, or when sorted ascending by
// count with ties by ascending number.
std::array<int, MaxZahl> Verteilungsfolge(const std::array<int, MaxZahl + 1>& NrCount, bool sortiert);

// "3,11,17,28,40,45"
std::string ReiheAlsText(const TZufallsreihe& reihe);
// The rows as a tip grid: header, row number, the six numbers.
TippTabelle AlsTippTabelle(const std::vector<TZufallsreihe>& reihen);
// Writes the rows as a normal ticket file (also the CSV file).
void ZufallsreihenSpeichern(const std::vector<TZufallsreihe>& reihen, const std::filesystem::path& datei);

}  // namespace quintaro

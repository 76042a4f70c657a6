// Export and re-import of the 924 rows of system "012" as a workbook, beside
// the cell-by-cell way the automation did it: one call per cell, each of which
// on a file means one complete workbook update (export) or one lookup of the
// cell in the workbook (import).
#include <algorithm>
#include <cstdio>
#include <string>
#include <filesystem>

#include "app/mappe/mappendatei.h"
#include "bench_util.h"
#include "core/zahlenmenge.h"
#include "systems/katalog.h"
#include "systems/systemanwenden.h"

using namespace quintaro;

namespace {
// The catalogue entry of the full system of 12 Wahlzahlen ("012").
int Index012() {
    const auto& k = SystemKatalog();
    for (std::size_t i = 0; i < k.size(); ++i)
        if (k[i].RG == 6 && k[i].WZ == 12 && k[i].GA == 6) return int(i);
    return -1;
}

TippTabelle Reihen012() {
    TZahlenMenge wahl;
    for (int z : {3, 7, 9, 12, 17, 21, 25, 30, 33, 38, 41, 45}) wahl.hinzu(z);
    const TSystemAnwendung a = SystemAnwenden(Index012(), wahl, {});
    TippTabelle t;
    ReihenKopf(t);
    for (const auto& reihe : a.reihen) {
        std::vector<std::string> zeile{std::to_string(t.size())};
        for (auto z : reihe) zeile.push_back(std::to_string(z));
        t.push_back(std::move(zeile));
    }
    return t;
}

// Export, one cell at a time: the workbook written anew with every cell set.
void ExportZelleFuerZelle(const TippTabelle& t, const std::filesystem::path& datei) {
    Tabellenblatt blatt{"Tippreihen aus System", {}};
    for (std::size_t r = 1; r < t.size(); ++r) {
        blatt.zellen.emplace_back();
        for (std::size_t c = 1; c <= 6; ++c) {
            blatt.zellen.back().push_back(Zelle(t, r, c));
            MappeSchreiben(blatt, datei);
        }
    }
}

// Import, one cell at a time: the workbook read for every cell of the block.
TippTabelle ImportZelleFuerZelle(const std::filesystem::path& datei) {
    const std::size_t zeilen = MappeLesen(datei).zellen.size();
    TippTabelle t;
    ReihenKopf(t);
    for (std::size_t r = 0; r < zeilen; ++r) {
        std::vector<std::string> zeile{std::to_string(r + 1)};
        for (std::size_t c = 0; c < 6; ++c) zeile.push_back(MappeLesen(datei).zellen[r][c]);
        t.push_back(std::move(zeile));
    }
    return t;
}

// The first `anzahl` tip rows of the grid.
TippTabelle Anfang(const TippTabelle& t, std::size_t anzahl) {
    return TippTabelle(t.begin(), t.begin() + std::ptrdiff_t(std::min(t.size(), anzahl + 1)));
}

struct Messung {
    double export_, import_;
};

Messung Unsere(const TippTabelle& reihen, const std::filesystem::path& datei) {
    TippTabelle zurueck;
    const double e = bench::BesteZeitMs(5, [&] { MappeSchreiben(BlattAusTabelle(reihen, "Tippreihen aus System"), datei); });
    const double i = bench::BesteZeitMs(5, [&] {
        zurueck = reihen;
        TabelleAusBlatt(MappeLesen(datei), zurueck);
    });
    if (zurueck != reihen) std::printf("  ROWS DIFFER\n");
    return {e, i};
}

Messung Referenz(const TippTabelle& reihen, const std::filesystem::path& datei) {
    TippTabelle zurueck;
    const double e = bench::BesteZeitMs(1, [&] { ExportZelleFuerZelle(reihen, datei); });
    const double i = bench::BesteZeitMs(1, [&] { zurueck = ImportZelleFuerZelle(datei); });
    if (zurueck != reihen) std::printf("  REFERENCE ROWS DIFFER\n");
    return {e, i};
}

void Zeilen(const char* was, std::size_t reihen, const Messung& unsere, const Messung& referenz) {
    char text[96];
    std::snprintf(text, sizeof text, "%s export %zu rows", was, reihen);
    bench::Zeile(text, unsere.export_, referenz.export_);
    std::snprintf(text, sizeof text, "%s re-import %zu rows", was, reihen);
    bench::Zeile(text, unsere.import_, referenz.import_);
    std::snprintf(text, sizeof text, "%s export and re-import %zu rows", was, reihen);
    bench::Zeile(text, unsere.export_ + unsere.import_, referenz.export_ + referenz.import_);
}
}  // namespace

// The cell-by-cell reference grows with the square of the cells: it runs on the
// first 100 rows unless called with --voll (924 rows, about two minutes).
int main(int argc, char** argv) {
    const bool voll = argc > 1 && std::string(argv[1]) == "--voll";
    const TippTabelle reihen = Reihen012();
    const auto ordner = std::filesystem::temp_directory_path() / "quintaro-bench-mappe";
    std::filesystem::create_directories(ordner);
    const auto unsere = ordner / "unsere.xlsx", referenz = ordner / "referenz.xlsx";

    const Messung alle = Unsere(reihen, unsere);
    std::printf("%-48s ours %10.3f ms (export %.3f, re-import %.3f)\n", "system 012: export and re-import 924 rows",
                alle.export_ + alle.import_, alle.export_, alle.import_);
    const std::size_t anzahl = voll ? reihen.size() - 1 : 100;
    const TippTabelle teil = Anfang(reihen, anzahl);
    Zeilen("cell by cell:", anzahl, voll ? alle : Unsere(teil, unsere), Referenz(teil, referenz));
    std::filesystem::remove_all(ordner);
    return 0;
}

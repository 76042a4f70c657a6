// The spreadsheet import: any file is refused with DateiFehler or read as the
// block of its first worksheet, within the cell limit.
#include "app/mappe/mappendatei.h"
#include "core/fehler.h"
#include "eingabedatei.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto datei = fuzz::EingabeAlsDatei(daten, groesse, "Mappe.xlsx");
    try {
        const Tabellenblatt blatt = MappeLesen(datei, 1 << 20);
        std::size_t zellen = 0;
        for (const auto& zeile : blatt.zellen) zellen += zeile.size();
        if (std::int64_t(zellen) > MappenZellenGrenze) __builtin_trap();
    } catch (const DateiFehler&) {
    }
    return 0;
}

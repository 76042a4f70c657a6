// The spreadsheet import behind the zip layer: the input is the XML of the
// worksheet, a NUL byte, and the XML of the shared strings; they are packed
// (stored, not compressed) with a fixed workbook into a file that MappeLesen
// reads, so the fuzzer works on the cells and not on checksums.
#include <minizip/zip.h>

#include <string_view>

#include "app/mappe/mappendatei.h"
#include "core/fehler.h"
#include "eingabedatei.h"

using namespace quintaro;

namespace {
constexpr std::string_view PaketBeziehungen =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";
constexpr std::string_view Mappe =
    R"(<?xml version="1.0" encoding="UTF-8"?><workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)"
    R"(<sheet name="Tipps" sheetId="1" r:id="rId1"/></sheets></workbook>)";
constexpr std::string_view MappenBeziehungen =
    R"(<?xml version="1.0" encoding="UTF-8"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/>)"
    R"(</Relationships>)";

void Teil(zipFile zip, const char* name, std::string_view inhalt) {
    zipOpenNewFileInZip64(zip, name, nullptr, nullptr, 0, nullptr, 0, nullptr, 0, 0, 0);
    zipWriteInFileInZip(zip, inhalt.data(), unsigned(inhalt.size()));
    zipCloseFileInZip(zip);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    const std::size_t schnitt = std::min(eingabe.find('\0'), eingabe.size());
    const std::string_view blatt = eingabe.substr(0, schnitt);
    const std::string_view texte = schnitt < eingabe.size() ? eingabe.substr(schnitt + 1) : std::string_view();

    const auto datei = fuzz::ArbeitsOrdner() / "Blatt.xlsx";
    zipFile zip = zipOpen64(datei.c_str(), APPEND_STATUS_CREATE);
    if (!zip) __builtin_trap();
    Teil(zip, "_rels/.rels", PaketBeziehungen);
    Teil(zip, "xl/workbook.xml", Mappe);
    Teil(zip, "xl/_rels/workbook.xml.rels", MappenBeziehungen);
    Teil(zip, "xl/worksheets/sheet1.xml", blatt);
    Teil(zip, "xl/sharedStrings.xml", texte);
    zipClose(zip, nullptr);

    try {
        (void)MappeLesen(datei, 1 << 20);
    } catch (const DateiFehler&) {
    }
    return 0;
}

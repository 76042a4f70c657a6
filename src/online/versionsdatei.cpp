#include "online/versionsdatei.h"

#include "core/fehler.h"
#include "core/spielregeln.h"

namespace quintaro {

namespace {
constexpr std::size_t LaengenStelle = 8;
constexpr std::size_t TextStelle = 9;
constexpr std::size_t TextPlatz = VersionsSatzGroesse - TextStelle;  // 15

// One byte per character: Latin-1 to UTF-8.
std::string AusLatin1(const std::uint8_t* text, std::size_t laenge) {
    std::string utf8;
    for (std::size_t i = 0; i < laenge; ++i) {
        const std::uint8_t c = text[i];
        if (c < 0x80) {
            utf8 += char(c);
        } else {
            utf8 += char(0xC0 | (c >> 6));
            utf8 += char(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}
}  // namespace

Versionsbefund VersionLesen(const Bytes& daten) {
    Versionsbefund befund;
    const std::size_t saetze = daten.size() / VersionsSatzGroesse;
    if (saetze == 0) {
        befund.fehler = "Die Versionsdatei enthält keinen vollständigen Eintrag (" + std::to_string(daten.size()) +
                        " Byte).";
        return befund;
    }
    const std::uint8_t* satz = daten.data() + (saetze - 1) * VersionsSatzGroesse;
    const std::size_t laenge = satz[LaengenStelle];
    if (laenge > TextPlatz) {
        befund.fehler = "Die Versionsdatei ist beschädigt: Die Länge der Versionsangabe (" + std::to_string(laenge) +
                        ") ist größer als 15.";
        return befund;
    }
    befund.version = AusLatin1(satz + TextStelle, laenge);
    return befund;
}

Versionsbefund VersionsdateiLesen(const std::filesystem::path& datei) {
    try {
        return VersionLesen(LiesDatei(datei));
    } catch (const DateiFehler& e) {
        Versionsbefund befund;
        befund.fehler = e.what();
        return befund;
    }
}

bool AndereVersion(const std::string& verfuegbar) { return verfuegbar != Version; }

}  // namespace quintaro

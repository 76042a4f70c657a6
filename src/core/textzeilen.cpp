#include "core/textzeilen.h"

namespace quintaro {

std::string_view OhneBOM(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

namespace {
// Length of the UTF-8 sequence starting at text[i], 0 when there is none.
std::size_t Zeichenlaenge(std::string_view text, std::size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t n = 0;
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3;
    else if (b >= 0xF0 && b <= 0xF4) n = 4;
    else return 0;
    if (i + n > text.size()) return 0;
    for (std::size_t j = 1; j < n; ++j)
        if ((static_cast<unsigned char>(text[i + j]) & 0xC0) != 0x80) return 0;
    return n;
}
}  // namespace

std::string Auszug(std::string_view text, std::size_t hoechstens) {
    std::string auszug;
    std::size_t zeichen = 0, i = 0;
    while (i < text.size()) {
        if (zeichen == hoechstens) return auszug + "…";
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b < 0x7F) {
            auszug += char(b);
            ++i;
        } else if (const std::size_t n = b >= 0x80 ? Zeichenlaenge(text, i) : 0; n > 0) {
            auszug.append(text.substr(i, n));
            i += n;
        } else {
            auszug += '?';
            ++i;
        }
        ++zeichen;
    }
    return auszug;
}

}  // namespace quintaro

#pragma once
// Text read from files: lines whatever their ends (LF, CRLF or a lone CR), a
// leading UTF-8 byte-order mark read as nothing, and short printable excerpts
// of bad input for messages.
#include <cstddef>
#include <string>
#include <string_view>

namespace quintaro {

std::string_view OhneBOM(std::string_view text);

// Calls besuche(nr, zeile) for every line, numbered from 1, without its line
// end. CRLF is one line end; a final line end gives no empty last line.
template <typename Besucher>
void FuerAlleZeilen(std::string_view text, Besucher&& besuche) {
    std::size_t nr = 0, start = 0;
    while (start < text.size()) {
        std::size_t ende = text.find_first_of("\r\n", start);
        if (ende == std::string_view::npos) ende = text.size();
        besuche(++nr, text.substr(start, ende - start));
        start = ende + (text.compare(ende, 2, "\r\n") == 0 ? 2 : 1);
    }
}

// At most `hoechstens` characters of the text, control characters and bytes
// that are no UTF-8 shown as "?", and "…" where it was cut.
std::string Auszug(std::string_view text, std::size_t hoechstens = 40);

}  // namespace quintaro

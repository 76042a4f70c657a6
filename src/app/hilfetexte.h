#pragma once
// The program's help: one short page per help context.
#include <string_view>
#include <vector>

namespace quintaro {

struct Hilfeseite {
    int kontext;
    std::string_view titel;
    std::string_view text;  // simple HTML
};

const std::vector<Hilfeseite>& Hilfeseiten();
// The page of a context; the contents page (1010) for an unknown one.
const Hilfeseite& HilfeseiteZu(int kontext);
// The pages whose title or text contains every word of the query (case-insensitive).
std::vector<const Hilfeseite*> HilfeSuchen(std::string_view anfrage);

}  // namespace quintaro

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/kombinatorik.h"

namespace quintaro::cli {

int BefehlBinomial(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    Argumente a(args);
    if (a.positionen().size() != 2) throw std::invalid_argument("Aufruf: quintaro-cli binomial N K");
    const int n = GanzeZahl(a.positionen()[0], "N");
    const int k = GanzeZahl(a.positionen()[1], "K");
    if (n < 0 || k < 1) throw std::invalid_argument("N darf nicht negativ und K muss mindestens 1 sein.");
    const auto wert = BinomialPruefen(n, k);
    if (!wert)
        throw std::invalid_argument(std::to_string(n) + " über " + std::to_string(k) +
                                    " ist zu groß für eine 64-Bit-Zahl (größer als 9223372036854775807).");
    out << *wert << '\n';
    return 0;
}

}  // namespace quintaro::cli

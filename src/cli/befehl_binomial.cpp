#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/kombinatorik.h"

namespace quintaro::cli {

int BefehlBinomial(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    Argumente a(args);
    if (a.positionen().size() != 2) throw std::invalid_argument("Aufruf: quintaro-cli binomial N K");
    const int n = GanzeZahl(a.positionen()[0], "N");
    const int k = GanzeZahl(a.positionen()[1], "K");
    if (n < 0 || k < 1 || n > 66) throw std::invalid_argument("N muss zwischen 0 und 66 liegen und K mindestens 1 sein.");
    out << Binomial(n, k) << '\n';
    return 0;
}

}  // namespace quintaro::cli

#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/datei.h"
#include "quotas/quotenuebertragung.h"

namespace quintaro::cli {

// The quota import tool's transfer on a text file: the eight edit texts, one a
// line. Without a column the text is read as free text.
int BefehlQuotas(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Argumente a(args);
    if (a.positionen().size() != 2 || a.positionen()[0] != "parse")
        throw std::invalid_argument("Aufruf: quintaro-cli quotas parse TEXTDATEI [--column N]");
    const auto spalte = a.option("column");
    const int n = spalte ? GanzeZahl(*spalte, "N") : 4;
    if (n < 1 || n > 10) throw std::invalid_argument("Die Spalte N muss zwischen 1 und 10 liegen.");
    const Bytes inhalt = LiesDatei(a.positionen()[1]);
    const auto ergebnis = QuotenUebertragen(std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()),
                                            n, spalte ? Uebertragungsart::Automatisch : Uebertragungsart::Freitext);
    for (int k = 1; k <= 8; ++k) out << ergebnis.felder[std::size_t(k)].value_or("") << '\n';
    if (ergebnis.fehler.empty()) return 0;
    err << AlsZeilen(ergebnis.fehler) << '\n';
    return 1;
}

}  // namespace quintaro::cli

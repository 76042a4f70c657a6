#include "core/datenbestand.h"

namespace quintaro {

Datenbestand& Daten() {
    static Datenbestand daten;
    return daten;
}

void ListenTeilen(const std::vector<TGewZahlen>& alle, std::vector<TGewZahlen>& sonntag,
                  std::vector<TGewZahlen>& mittwoch) {
    sonntag.clear();
    mittwoch.clear();
    for (const auto& z : alle) (IstSonntagsZiehung(z.datum) ? sonntag : mittwoch).push_back(z);
}

}  // namespace quintaro

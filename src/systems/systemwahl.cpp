#include "systems/systemwahl.h"

#include <algorithm>

#include "core/spielregeln.h"
#include "systems/katalog.h"

namespace quintaro {

Systemliste TSystemwahl::BFilternClick() {
    Systemliste liste = filter.Filtern();
    if (!liste.indizes.empty()) ListenIndex_ = liste.indizes;
    zahlen.setzeBankMuss(liste.BankMuss);
    return liste;
}

Systemauswahl TSystemwahl::l1ListBoxClick(int zeile) {
    if (ListenIndex_.empty())
        return {Systemauswahl::Folge::Meldung,
                "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre Filtereinstellungen." +
                    std::string(Absatz) + "Ich breche erst einmal ab."};
    if (zeile < 0) return {};
    if (zeile >= int(ListenIndex_.size())) return {Systemauswahl::Folge::Img1Verbergen, {}};
    AktSystem_ = ListenIndex_[std::size_t(zeile)];
    const TSysteme& e = SystemKatalog()[std::size_t(AktSystem_)];
    zahlen.setzeBankMuss(e.bankzahlen());
    zahlen.setzeWahlMuss(e.WZ);
    return {Systemauswahl::Folge::Gewaehlt, {}};
}

std::vector<Bankzahlausgang> FuenfBankAusgang(int index) {
    const TSysteme& e = SystemKatalog().at(std::size_t(index));
    std::vector<Bankzahlausgang> ausgang;
    for (int b = e.bankzahlen(); b >= 0; --b) {
        const int w = std::min(ZahlenProReihe - b, int(e.WZ));
        // Each row holds every banker number and one Wahlzahl: w rows hold a drawn Wahlzahl.
        ausgang.push_back({b, w, w, e.TR - w});
    }
    return ausgang;
}

}  // namespace quintaro

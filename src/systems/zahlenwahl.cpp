#include "systems/zahlenwahl.h"

#include <algorithm>
#include <vector>

#include "core/spielregeln.h"

namespace quintaro {

const std::string KeinSystemGewaehlt = "Bitte wählen Sie links zunächst ein System aus.";

namespace {
Zaehlerfarbe Farbe(int anzahl, int muss, bool nachSystemwahl) {
    if (anzahl == muss) return Zaehlerfarbe::Gruen;
    return nachSystemwahl && anzahl > muss ? Zaehlerfarbe::Hellrot : Zaehlerfarbe::Knopfflaeche;
}
}  // namespace

Meldung TZahlenwahl::Klick(int x) {
    if (WahlMuss_ == 0) return {Meldung::Art::Information, KeinSystemGewaehlt};
    if (x < 1 || x > MaxZahl) return {};
    if (BankSet_.enthaelt(x))
        BankModus_ = true;
    else if (WahlSet_.enthaelt(x) || WahlAnz_ < WahlMuss_)
        BankModus_ = false;

    if (BankModus_) {
        if (BankSet_.enthaelt(x)) {
            BankSet_.entferne(x);
            --BankAnz_;
        } else if (BankAnz_ >= BankMuss_) {
            return {Meldung::Art::Fehler, "Sie haben bereits " + std::to_string(BankAnz_) + " Bankzahlen gewählt."};
        } else {
            BankSet_.hinzu(x);
            ++BankAnz_;
        }
        return {};
    }
    if (WahlSet_.enthaelt(x)) {
        WahlSet_.entferne(x);
        --WahlAnz_;
    } else if (WahlAnz_ >= WahlMuss_) {
        if (BankMuss_ < 1)
            return {Meldung::Art::Fehler, "Sie haben bereits " + std::to_string(WahlAnz_) + " Zahlen gewählt."};
        // The Wahlzahlen are complete: the click turns into a banker number.
        BankModus_ = true;
        return Klick(x);
    } else {
        WahlSet_.hinzu(x);
        ++WahlAnz_;
    }
    return {};
}

Meldung TZahlenwahl::Zufall(bool killerAusschliessen, const TZahlenMenge& killerMenge, std::mt19937_64& zufall) {
    if (WahlMuss_ == 0) return {Meldung::Art::Information, KeinSystemGewaehlt};
    std::vector<int> kandidaten;
    for (int z = 1; z <= MaxZahl; ++z)
        if (!killerAusschliessen || !killerMenge.enthaelt(z)) kandidaten.push_back(z);
    const int killerAnzahl = MaxZahl - int(kandidaten.size());
    if (killerAusschliessen && killerAnzahl + WahlMuss_ + BankMuss_ > MaxZahl)
        return {Meldung::Art::Information,
                "Die Anzahl der Quotenkiller ist zu hoch." + std::string(Absatz) + "Ich breche erst einmal ab."};

    for (std::size_t i = 0; i < kandidaten.size(); ++i) {
        std::uniform_int_distribution<std::size_t> position(i, kandidaten.size() - 1);
        std::swap(kandidaten[i], kandidaten[position(zufall)]);
    }
    // A banker maximum left from filtering can ask for more numbers than exist.
    const std::size_t genommen = std::min(kandidaten.size(), std::size_t(WahlMuss_ + BankMuss_));
    Loeschen();
    Meldung erste;
    for (std::size_t i = 0; i < genommen; ++i) {
        Meldung m = Klick(kandidaten[i]);
        if (!erste.vorhanden()) erste = std::move(m);
    }
    return erste;
}

void TZahlenwahl::Loeschen() {
    WahlSet_.leeren();
    BankSet_.leeren();
    BankModus_ = false;
    WahlAnz_ = BankAnz_ = 0;
}

Zahlaussehen TZahlenwahl::Aussehen(int x) const {
    if (BankSet_.enthaelt(x)) return Zahlaussehen::Bankzahl;
    if (WahlSet_.enthaelt(x)) return Zahlaussehen::Wahlzahl;
    return Zahlaussehen::Normal;
}

Zaehlerfarbe TZahlenwahl::WahlFarbe(bool nachSystemwahl) const { return Farbe(WahlAnz_, WahlMuss_, nachSystemwahl); }
Zaehlerfarbe TZahlenwahl::BankFarbe(bool nachSystemwahl) const { return Farbe(BankAnz_, BankMuss_, nachSystemwahl); }

}  // namespace quintaro

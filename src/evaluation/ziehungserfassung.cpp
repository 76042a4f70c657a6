#include "evaluation/ziehungserfassung.h"

#include "core/kombinatorik.h"

namespace quintaro {

Zahlenwahl::Aenderungen Zahlenwahl::waehle(int a) {
    if (a < 1 || a > MaxZahl) return {};
    if (gewaehlt_.enthaelt(a)) {
        gewaehlt_.entferne(a);
        --anzahl_;
        return {{a, ZahlAussehen::Normal}};
    }
    if (a == zusatzzahl_) {
        zusatzzahl_ = 0;
        return {{a, ZahlAussehen::Normal}};
    }
    if (anzahl_ >= 6) {
        Aenderungen aenderungen;
        if (zusatzzahl_ != 0) aenderungen.push_back({zusatzzahl_, ZahlAussehen::Normal});
        zusatzzahl_ = a;
        aenderungen.push_back({a, ZahlAussehen::Zusatzzahl});
        return aenderungen;
    }
    gewaehlt_.hinzu(a);
    ++anzahl_;
    return {{a, ZahlAussehen::Gewinnzahl}};
}

Zahlenwahl::Aenderungen Zahlenwahl::zeige(const TGewZahlen& z) {
    Aenderungen aenderungen;
    for (int n : gewaehlt_.zahlen()) aenderungen.push_back({n, ZahlAussehen::Normal});
    if (zusatzzahl_ != 0) aenderungen.push_back({zusatzzahl_, ZahlAussehen::Normal});
    leeren();
    for (int i = 1; i <= 6; ++i) {
        const auto neu = waehle(z.GZ[std::size_t(i)]);
        aenderungen.insert(aenderungen.end(), neu.begin(), neu.end());
    }
    const auto neu = waehle(z.ZZ);
    aenderungen.insert(aenderungen.end(), neu.begin(), neu.end());
    return aenderungen;
}

void Zahlenwahl::leeren() {
    gewaehlt_.leeren();
    anzahl_ = 0;
    zusatzzahl_ = 0;
}

ZahlAussehen Zahlenwahl::aussehen(int n) const {
    if (gewaehlt_.enthaelt(n)) return ZahlAussehen::Gewinnzahl;
    if (n != 0 && n == zusatzzahl_) return ZahlAussehen::Zusatzzahl;
    return ZahlAussehen::Normal;
}

TDatum Ziehungserfassung::starteHinzufuegen(const std::vector<TGewZahlen>& liste, TDatum heute) {
    hinzufuegen_ = true;
    vorschlag_ = liste.empty() ? LetzteZiehungVor(heute) : NaechsteZiehung(liste.back().datum);
    return vorschlag_;
}

Ziehungserfassung::Ergebnis Ziehungserfassung::speichern(const std::vector<TGewZahlen>& liste, const Zahlenwahl& wahl,
                                                         int index) const {
    Ergebnis e;
    // Corrections are checked like new draws: a draw with missing numbers
    // would be written to the history as a damaged record.
    if (wahl.anzahl() != 6 || wahl.zusatzzahl() < 1 || wahl.zusatzzahl() > MaxZahl) {
        e.fehler = "Bitte geben Sie sechs Gewinnzahlen und die Zusatzzahl an." + std::string(Absatz) +
                   "Ich breche erst einmal ab.";
        return e;
    }
    if (!hinzufuegen_ && (index < 0 || std::size_t(index) >= liste.size())) {
        e.fehler = "Bitte wählen Sie zuerst eine gespeicherte Ziehung aus oder fügen Sie eine neue hinzu." +
                   std::string(Absatz) + "Ich breche erst einmal ab.";
        return e;
    }
    TGewZahlen z;
    const auto zahlen = MengeZuFeld(wahl.gewinnzahlen(), 6, MaxZahl);
    for (int i = 1; i <= 6; ++i) z.GZ[std::size_t(i)] = zahlen[std::size_t(i - 1)];
    z.ZZ = std::uint8_t(wahl.zusatzzahl());
    e.liste = liste;
    if (hinzufuegen_) {
        z.datum = vorschlag_;
        e.liste.push_back(z);
        e.index = e.liste.size() - 1;
    } else {
        e.index = std::size_t(index);
        z.datum = liste[e.index].datum;
        z.fueller = liste[e.index].fueller;
        e.liste[e.index] = z;
    }
    return e;
}

}  // namespace quintaro

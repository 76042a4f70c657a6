#include "quotas/quotenraster.h"

#include "core/datei.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/ziehungsdatei.h"
#include "quotas/quotenliste.h"

namespace quintaro {

namespace {
QuotenZeile ZeileAus(const TQuoten& q) {
    QuotenZeile z;
    z.datum = DatumText(q.datum);
    for (int k = 1; k <= 8; ++k) z.quote[std::size_t(k)] = QuotenText(q.q[std::size_t(k)]);
    return z;
}

// The row, and its draw once the date has been read.
KonvertierungsFehler ZellFehler(std::size_t zeile, const std::string* datum, const std::string& was) {
    std::string ort = "Zeile " + std::to_string(zeile + 1);
    if (datum) ort += " (Ziehung " + *datum + ")";
    return KonvertierungsFehler(ort + ": " + was);
}
}  // namespace

std::string KlassenTitelKurz(int klasse) {
    const std::string_view titel = KlassenTitel[std::size_t(klasse)];
    const auto a = titel.find_first_not_of(' ');
    const auto b = titel.find_last_not_of(' ');
    return a == std::string_view::npos ? std::string() : std::string(titel.substr(a, b - a + 1));
}

std::vector<QuotenZeile> ZeilenAus(std::span<const TQuoten> quoten) {
    std::vector<QuotenZeile> zeilen;
    zeilen.reserve(quoten.size());
    for (const TQuoten& q : quoten) zeilen.push_back(ZeileAus(q));
    return zeilen;
}

int QuotenErgaenzen(std::vector<QuotenZeile>& zeilen, std::span<const TQuoten> quoten, TDatum heute) {
    TQuoten standard;
    standard.q = StandardQuoten;
    // Whole days: a record's date may carry a time of day.
    TDatum d = quoten.empty() ? ErsteRealquotenZiehung : std::floor(quoten.back().datum) + 1;
    int angehaengt = 0;
    for (; d <= heute; ++d) {
        const int tag = Wochentag(d);
        if (tag != 1 && tag != 4) continue;
        standard.datum = d;
        zeilen.push_back(ZeileAus(standard));
        ++angehaengt;
    }
    return angehaengt;
}

bool QuotenErsetzen(QuotenZeile& zeile, const std::array<std::string, 9>& eingaben) {
    bool gesetzt = false;
    for (int k = 1; k <= 8; ++k) {
        const std::string& text = eingaben[std::size_t(k)];
        if (text.empty()) continue;
        zeile.quote[std::size_t(k)] = text;
        gesetzt = true;
    }
    return gesetzt;
}

std::vector<TQuoten> QuotenAusZeilen(std::span<const QuotenZeile> zeilen) {
    std::vector<TQuoten> quoten;
    quoten.reserve(zeilen.size());
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const QuotenZeile& z = zeilen[i];
        TQuoten q;
        const auto datum = DatumLesen(z.datum);
        if (!datum || !IstGueltigesZiehungsdatum(*datum))
            throw ZellFehler(i, nullptr, z.datum.empty() ? "Das Datum der Ziehung fehlt."
                                                   : "\"" + z.datum + "\" ist kein gültiges Datum.");
        q.datum = *datum;
        for (int k = 1; k <= 8; ++k) {
            const std::string& text = z.quote[std::size_t(k)];
            const std::string spalte = "Die Quote für \"" + KlassenTitelKurz(k) + "\"";
            if (text.find_first_not_of(' ') == std::string::npos) throw ZellFehler(i, &z.datum, spalte + " fehlt.");
            try {
                q.q[std::size_t(k)] = QuoteLesen(text);
            } catch (const KonvertierungsFehler&) {
                throw ZellFehler(i, &z.datum, spalte + " \"" + text + "\" ist kein gültiger Betrag.");
            }
            // The store takes no amount that no prize can be.
            if (q.q[std::size_t(k)] < 0 || q.q[std::size_t(k)] > HoechsteQuote)
                throw ZellFehler(i, &z.datum, spalte + " \"" + text + "\" liegt außerhalb von 0 bis " +
                                           QuotenText(HoechsteQuote) + ".");
        }
        quoten.push_back(q);
    }
    return quoten;
}

std::vector<TQuoten> QuotenZeilenSpeichern(const std::filesystem::path& datei, std::span<const QuotenZeile> zeilen) {
    std::vector<TQuoten> quoten;
    try {
        quoten = QuotenAusZeilen(zeilen);
    } catch (const KonvertierungsFehler& e) {
        throw KonvertierungsFehler(std::string(e.what()) + std::string(Absatz) +
                                   "Die Quoten wurden nicht gespeichert; die Datei \"" + DateiName(datei) +
                                   "\" ist unverändert.");
    }
    QuotenSpeichern(datei, quoten);
    return quoten;
}

}  // namespace quintaro

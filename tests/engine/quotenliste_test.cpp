#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/datum.h"
#include "quotas/quotenliste.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {
TQuoten Quoten(TDatum datum, int klasse, Currency wert) {
    TQuoten q;
    q.datum = datum;
    for (int k = 1; k <= 8; ++k) q.q[std::size_t(k)] = 1000 * k;
    q.q[std::size_t(klasse)] = wert;
    return q;
}
}  // namespace

TEST(QuoteHolen, RealQuotasFrom2019FixedTablesOtherwise) {
    const TDatum neujahr19 = DatumAus(2019, 1, 2), altjahr18 = DatumAus(2018, 12, 30);
    const std::vector<TQuoten> liste = {Quoten(altjahr18, 4, 999), Quoten(neujahr19, 1, 23456789000),
                                        Quoten(neujahr19, 1, 1)};
    const struct {
        std::vector<TQuoten> liste;
        int klasse;
        TDatum datum;
        Currency quote;
    } faelle[] = {
        {liste, 1, neujahr19, 23456789000},             // the first of two records of the day wins
        {{}, 1, neujahr19, 17489072800},                // no record: mean quota
        {liste, 4, altjahr18, 1610800},                 // before 2019 stored quotas are not used
        {liste, 5, DatumAus(2009, 5, 3), 44700},        // "3" of the old scheme
        {liste, 8, DatumAus(2019, 5, 1), 12000},        // other date: mean quota
        {liste, 6, DatumAus(2009, 5, 3), 0},            // the old scheme has no class 6
        {liste, 8, DatumAus(2010, 9, 8), 12000},
    };
    for (const auto& f : faelle) EXPECT_EQ(QuoteHolen(f.liste, f.klasse, f.datum), f.quote) << f.klasse << " " << f.datum;
}

TEST(QuotenLaden, MissingFileIsEmptyAndADamagedTailIsReported) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Quo.645";
    const auto fehlt = QuotenLaden(datei);
    EXPECT_TRUE(fehlt.quoten.empty());
    EXPECT_TRUE(fehlt.schaden.empty());

    const std::vector<TQuoten> liste = {Quoten(43467, 1, 5), Quoten(43470, 8, 9876543210123)};
    Bytes daten(72 * 2 + 10, 0xEE);
    QuotenNach(liste[0], daten.data());
    QuotenNach(liste[1], daten.data() + 72);
    SchreibeDateiAtomar(datei, Bytes(daten.begin(), daten.begin() + 144));
    const auto ganz = QuotenLaden(datei);
    EXPECT_EQ(ganz.quoten, liste);
    EXPECT_TRUE(ganz.schaden.empty());

    SchreibeDateiAtomar(datei, daten);
    const auto beschaedigt = QuotenLaden(datei);
    EXPECT_EQ(beschaedigt.quoten, liste);
    EXPECT_NE(beschaedigt.schaden.find("Quo.645"), std::string::npos);
    EXPECT_NE(beschaedigt.schaden.find("10 Bytes"), std::string::npos);
}

// The quota editor's grid: default rows, replacing, and the checked save.
#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/datum.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "quotas/quotenliste.h"
#include "quotas/quotenraster.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {
TQuoten Satz(TDatum datum, Currency erste = 10000) {
    TQuoten q;
    q.datum = datum;
    q.q = StandardQuoten;
    q.q[1] = erste;
    return q;
}

std::vector<std::string> Daten(const std::vector<QuotenZeile>& zeilen) {
    std::vector<std::string> texte;
    for (const auto& z : zeilen) texte.push_back(z.datum);
    return texte;
}
}  // namespace

TEST(QuotenErgaenzen, AppendsEveryDrawDayUpToTodayWithMeanQuotas) {
    const TDatum sonntag = DatumAus(2024, 3, 3);
    ASSERT_EQ(Wochentag(sonntag), 1);
    ASSERT_EQ(Wochentag(ErsteRealquotenZiehung), 4);
    const struct {
        const char* fall;
        std::vector<TQuoten> quoten;
        TDatum heute;
        std::vector<std::string> neu;
    } faelle[] = {
        {"Sunday, then the Thursday after", {Satz(sonntag)}, sonntag + 4, {"06.03.2024"}},
        {"same day again", {Satz(sonntag)}, sonntag, {}},
        {"today is a draw day and included", {Satz(sonntag)}, sonntag + 7, {"06.03.2024", "10.03.2024"}},
        {"newest record in the future", {Satz(sonntag + 30)}, sonntag, {}},
        {"no record: from the first draw of real quotas", {}, DatumAus(2019, 1, 9),
         {"02.01.2019", "06.01.2019", "09.01.2019"}},
        {"no record, today before that draw", {}, DatumAus(2019, 1, 1), {}},
        {"record with a time of day", {Satz(sonntag + 0.75)}, sonntag + 3, {"06.03.2024"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fall);
        auto zeilen = ZeilenAus(f.quoten);
        EXPECT_EQ(QuotenErgaenzen(zeilen, f.quoten, f.heute), int(f.neu.size()));
        ASSERT_EQ(zeilen.size(), f.quoten.size() + f.neu.size());
        const auto texte = Daten(zeilen);
        EXPECT_EQ(std::vector<std::string>(texte.begin() + long(f.quoten.size()), texte.end()), f.neu);
        for (std::size_t i = f.quoten.size(); i < zeilen.size(); ++i) {
            EXPECT_EQ(zeilen[i].quote[1], "1.748.907,28");
            EXPECT_EQ(zeilen[i].quote[8], "1,20");
        }
    }
}

TEST(QuotenErsetzen, OnlyTheTypedQuotasChange) {
    auto zeilen = ZeilenAus(std::vector<TQuoten>{Satz(DatumAus(2019, 1, 2))});
    const QuotenZeile vorher = zeilen[0];
    std::array<std::string, 9> eingaben{};
    EXPECT_FALSE(QuotenErsetzen(zeilen[0], eingaben));
    EXPECT_EQ(zeilen[0], vorher);
    eingaben[1] = "2345678,90";
    eingaben[8] = "1,20";
    EXPECT_TRUE(QuotenErsetzen(zeilen[0], eingaben));
    EXPECT_EQ(zeilen[0].quote[1], "2345678,90");
    EXPECT_EQ(zeilen[0].quote[8], "1,20");
    for (int k = 2; k <= 7; ++k) EXPECT_EQ(zeilen[0].quote[std::size_t(k)], vorher.quote[std::size_t(k)]) << k;
    EXPECT_EQ(zeilen[0].datum, vorher.datum);
}

TEST(QuotenZeilenSpeichern, WritesEveryRowAsOneRecord) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Quo.645";
    const std::vector<TQuoten> quoten = {Satz(DatumAus(2019, 1, 2), 23456789000), Satz(DatumAus(2019, 1, 6))};
    auto zeilen = ZeilenAus(quoten);
    zeilen[1].quote[4] = "1.234,5";  // typed without thousands separators or with them: both read
    auto erwartet = quoten;
    erwartet[1].q[4] = 12345000;
    EXPECT_EQ(QuotenZeilenSpeichern(datei, zeilen), erwartet);
    EXPECT_EQ(DateiGroesse(datei), 144);
    EXPECT_EQ(QuotenLaden(datei).quoten, erwartet);

    // An empty grid writes an empty file.
    EXPECT_TRUE(QuotenZeilenSpeichern(datei, {}).empty());
    EXPECT_EQ(DateiGroesse(datei), 0);
}

TEST(QuotenZeilenSpeichern, ABadCellNamesItsRowAndLeavesTheFileAsItWas) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Quo.645";
    const std::vector<TQuoten> gespeichert = {Satz(DatumAus(2019, 1, 2)), Satz(DatumAus(2019, 1, 6)),
                                              Satz(DatumAus(2019, 1, 9))};
    QuotenSpeichern(datei, gespeichert);
    const Bytes vorher = LiesDatei(datei);

    const struct {
        int spalte;  // 0: the date
        const char* text;
        const char* meldung;
    } faelle[] = {
        {0, "31.02.2019", "Zeile 3: \"31.02.2019\" ist kein gültiges Datum."},
        {0, "", "Zeile 3: Das Datum der Ziehung fehlt."},
        {1, "abc", "Zeile 3 (Ziehung 09.01.2019): Die Quote für \"6 Richtige\" \"abc\" ist kein gültiger Betrag."},
        {4, "1,2,3", "Zeile 3 (Ziehung 09.01.2019): Die Quote für \"4 Ri. + ZZ\" \"1,2,3\" ist kein gültiger Betrag."},
        {8, "", "Zeile 3 (Ziehung 09.01.2019): Die Quote für \"0 + ZZ\" fehlt."},
        {2, ",", "Zeile 3 (Ziehung 09.01.2019): Die Quote für \"5 Ri. + ZZ\" \",\" ist kein gültiger Betrag."},
        {3, "1000000000,01", "Zeile 3 (Ziehung 09.01.2019): Die Quote für \"5 Richtige\" \"1000000000,01\" liegt "
                             "außerhalb von 0 bis 1.000.000.000,00."},
        {0, "31.12.1899", "Zeile 3: \"31.12.1899\" ist kein gültiges Datum."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        auto zeilen = ZeilenAus(gespeichert);
        zeilen[0].quote[1] = "5,00";  // a valid change in an earlier row is not written either
        if (f.spalte == 0)
            zeilen[2].datum = f.text;
        else
            zeilen[2].quote[std::size_t(f.spalte)] = f.text;
        try {
            QuotenZeilenSpeichern(datei, zeilen);
            ADD_FAILURE() << "saved";
        } catch (const KonvertierungsFehler& e) {
            EXPECT_EQ(std::string(e.what()), std::string(f.meldung) + "\r\rDie Quoten wurden nicht gespeichert; die Datei "
                                                                      "\"Quo.645\" ist unverändert.");
        }
        EXPECT_EQ(LiesDatei(datei), vorher);
    }
}

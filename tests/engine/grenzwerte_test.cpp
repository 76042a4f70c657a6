// Absurd amounts and dates in the stores: they must be reported as damage and
// never wrap round or reach an integer cast.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <limits>

#include "cli_lauf.h"
#include "core/datei.h"
#include "core/datum.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/scheindateien.h"
#include "core/ziehungsdatei.h"
#include "evaluation/gewinnauswertung.h"
#include "gemeinsam/testziehung.h"
#include "quotas/quotenliste.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {
constexpr Currency kGroesste = std::numeric_limits<Currency>::max();
constexpr double kUnendlich = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
const TDatum k2019 = DatumAus(2019, 1, 2);

TQuoten Quoten(TDatum datum, Currency wert) {
    TQuoten q;
    q.datum = datum;
    for (int k = 1; k <= 8; ++k) q.q[std::size_t(k)] = wert;
    return q;
}

void SchreibeQuoten(const std::filesystem::path& datei, const std::vector<TQuoten>& liste) {
    Bytes daten(liste.size() * QuotenGroesse);
    for (std::size_t i = 0; i < liste.size(); ++i) QuotenNach(liste[i], daten.data() + i * QuotenGroesse);
    SchreibeDateiAtomar(datei, daten);
}
}  // namespace

TEST(Geld, SumsAndTextsHoldAtTheLimitsInsteadOfWrapping) {
    EXPECT_EQ(BetragSumme(kGroesste, 1), kGroesste);
    EXPECT_EQ(BetragSumme(kGroesste - 5, 5), kGroesste);
    EXPECT_EQ(BetragSumme(std::numeric_limits<Currency>::min(), -1), std::numeric_limits<Currency>::min());
    EXPECT_EQ(BetragSumme(12000, -2000), 10000);
    SetzeRegion(Regionaleinstellungen{});
    EXPECT_EQ(QuotenText(kGroesste), "922.337.203.700.000,00");
    EXPECT_EQ(QuotenText(-kGroesste), "-922.337.203.700.000,00");
    EXPECT_EQ(BetragText(std::numeric_limits<Currency>::min()), "-922.337.203.685.477,58");
    EXPECT_EQ(WaehrungText(kGroesste), "922.337.203.685.477,58 €");
    EXPECT_EQ(QuotenText(123456789012345), "12.345.678.900,00");

    // The evaluation's total of many huge wins stays at the largest amount.
    TippTabelle reihen;
    ReihenKopf(reihen);
    for (int i = 0; i < 2; ++i) reihen.push_back({std::to_string(i + 1), "1", "2", "3", "4", "5", "6"});
    const std::vector<TGewZahlen> ziehungen = {TestZiehung(k2019, {1, 2, 3, 4, 5, 6}, 7)};
    const std::vector<TQuoten> quoten = {Quoten(k2019, kGroesste)};
    const Auswertung a = GewinnAuswertung(reihen, ziehungen, quoten, 0, 0, false, Ziehungstage::Alle);
    ASSERT_EQ(a.zeilen.size(), 2u);
    EXPECT_EQ(a.gesamt, kGroesste);
}

TEST(Geld, QuotaRecordsWithImpossibleAmountsOrDatesAreLeftOutAndReported) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Quo.645";
    const TQuoten gut = Quoten(k2019, 2000000);
    TQuoten einNegativer = gut;
    einNegativer.q[3] = -1;
    SchreibeQuoten(datei, {Quoten(k2019, kGroesste), gut, Quoten(k2019 + 0.5, 100), Quoten(kNaN, 100),
                           Quoten(kUnendlich, 100), Quoten(1e300, 100), einNegativer, Quoten(k2019, HoechsteQuote + 1),
                           Quoten(k2019 + 3, HoechsteQuote)});
    const QuotenDatei geladen = QuotenLaden(datei);
    ASSERT_EQ(geladen.quoten.size(), 2u);
    EXPECT_EQ(geladen.quoten[0], gut);
    EXPECT_EQ(geladen.quoten[1].datum, k2019 + 3);
    EXPECT_NE(geladen.schaden.find("\"Quo.645\""), std::string::npos);
    EXPECT_NE(geladen.schaden.find("7 Einträge"), std::string::npos) << geladen.schaden;
    EXPECT_NE(geladen.schaden.find("Nr. 1)"), std::string::npos) << geladen.schaden;

    // The command prices with the valid record and reports the damage.
    const auto lauf = Cli({"quota", datei.string(), "1", "2019-01-02"});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "200.00\n");
    EXPECT_NE(lauf.fehler.find("beschädigt"), std::string::npos);
}

TEST(Geld, AQuotaFileThatIsNoRegularFileIsAnErrorNamingIt) {
    TempOrdner ordner;
    const auto ordnerQuo = ordner.pfad() / "Quo.645", leitung = ordner.pfad() / "Leitung.645";
    std::filesystem::create_directory(ordnerQuo);
    ASSERT_EQ(::mkfifo(leitung.c_str(), 0600), 0);
    ZiehungenSpeichern(ordner.pfad() / "GZ.645", {TestZiehung(k2019, {1, 2, 3, 4, 5, 6}, 7)});
    SchreibeDateiAtomar(ordner.pfad() / "t.nqtr", std::string_view("1,2,3,4,5,6\r\n"));
    for (const auto& datei : {ordnerQuo, leitung}) {
        EXPECT_THROW(QuotenLaden(datei), DateiFehler);
        const auto quote = Cli({"quota", datei.string(), "1", "2019-01-02"});
        EXPECT_EQ(quote.status, 1);
        EXPECT_NE(quote.fehler.find("\"" + DateiName(datei) + "\" kann nicht gelesen werden"), std::string::npos)
            << quote.fehler;
        const auto auswertung = Cli({"evaluate", "--draws", (ordner.pfad() / "GZ.645").string(), "--quotas",
                                     datei.string(), "--ticket", (ordner.pfad() / "t.nqtr").string()});
        EXPECT_EQ(auswertung.status, 1);
        EXPECT_TRUE(auswertung.aus.empty());
    }
}

TEST(Ziehungsdaten, DatesThatAreNoWholeCalendarDayAreDamageAndNeverCast) {
    const TDatum faelle[] = {kNaN, kUnendlich, -kUnendlich, 1e300, -1e300, 43467.5, 0, 1, 2958466};
    for (const TDatum d : faelle) {
        EXPECT_FALSE(IstGueltigeZiehung(TestZiehung(d, {1, 2, 3, 4, 5, 6}, 7))) << d;
    }
    for (const TDatum d : {kNaN, kUnendlich, -kUnendlich, 1e300, -1e300}) {
        EXPECT_EQ(Wochentag(d), 0) << d;
        EXPECT_EQ(KalenderTagVon(d), KalenderTag{}) << d;
        EXPECT_FALSE(IstSonntagsZiehung(d));
        EXPECT_EQ(DatumText(d), "?");
    }
    EXPECT_TRUE(IstGueltigeZiehung(TestZiehung(DatumAus(1900, 1, 1), {1, 2, 3, 4, 5, 6}, 7)));
    EXPECT_EQ(Wochentag(43467.5), Wochentag(43467));  // the time of day does not change the weekday

    // The day lists, the statistics and the views take such a history without harm.
    TempOrdner ordner;
    const auto gz = (ordner.pfad() / "GZ.645").string();
    std::vector<TGewZahlen> liste;
    for (const TDatum d : faelle) liste.push_back(TestZiehung(d, {1, 2, 3, 4, 5, 6}, 7));
    ZiehungenSpeichern(gz, liste);
    const auto geladen = ZiehungenLaden(gz);
    EXPECT_EQ(geladen.befund.fehlerhaft, std::size(faelle));
    for (const char* ansicht : {"sun", "wed"}) {
        const auto ziehungen = Cli({"draws", "list", gz, "--view", ansicht});
        EXPECT_EQ(ziehungen.status, 0);
        EXPECT_NE(ziehungen.fehler.find("fehlerhaft"), std::string::npos);
        EXPECT_EQ(Cli({"stats", "freq", "--draws", gz, "--view", ansicht}).status, 0);
    }
}

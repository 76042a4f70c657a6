// The checking side of the draw download and the program update: server
// addresses, the version file, the expected draw dates and the replacement of
// the history by a downloaded file.
#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/einstellungen.h"
#include "core/formatierung.h"
#include "core/spielregeln.h"
#include "core/ziehungsdatei.h"
#include "gemeinsam/testziehung.h"
#include "online/serveradresse.h"
#include "online/versionsdatei.h"
#include "online/ziehungsdownload.h"
#include "online/ziehungsstand.h"
#include "statistics/statistik.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {

TEST(Serveradresse, OnlyHttpsOrHttpToThisComputer) {
    struct Fall {
        const char* adresse;
        bool erlaubt;
    };
    const Fall faelle[] = {
        {"https://lotto.example.org", true},
        {"HTTPS://Lotto.Example.org:8443/quintaro", true},
        {"http://127.0.0.1:8080", true},
        {"http://127.9.8.7", true},
        {"http://localhost:1234", true},
        {"http://[::1]:99", true},
        {"http://lotto.example.org", false},
        {"http://127.0.0.1.example.org", false},
        {"http://127.0.0.1@example.org", false},  // the host is example.org
        {"http://128.0.0.1", false},
        {"http://127.0.0.256", false},
        {"ftp://127.0.0.1", false},
        {"https://server.invalid", false},  // the placeholder fetches nothing
        {"https://", false},
        {"lotto.example.org", false},
        {"https://lotto.example.org:port", false},
        {"https://lotto example.org", false},
    };
    for (const auto& f : faelle) EXPECT_EQ(AdressePruefen(f.adresse).empty(), f.erlaubt) << f.adresse;
    EXPECT_NE(AdressePruefen("http://lotto.example.org").find("HTTPS"), std::string::npos);
    EXPECT_NE(AdressePruefen(PlatzhalterServer).find("Einstellungen.ini"), std::string::npos);
}

TEST(Serveradresse, FilesLieInTheDownloadFolderBelowTheBase) {
    EXPECT_EQ(DownloadAdresse("https://lotto.example.org", "GZ.645"), "https://lotto.example.org/downloads/GZ.645");
    EXPECT_EQ(DownloadAdresse("https://lotto.example.org/q//", "verinfos.qtr"),
              "https://lotto.example.org/q/downloads/verinfos.qtr");
}

TEST(Serveradresse, SettingsGiveServerAndTimeLimitWithDefaults) {
    TempOrdner ordner;
    Einstellungen e(ordner.pfad() / "Einstellungen.ini");
    EXPECT_EQ(ServerAusEinstellungen(e), PlatzhalterServer);
    EXPECT_EQ(ZeitlimitMillisekunden(e), 30000);
    e.schreibeText("Update", "Server", "  https://lotto.example.org ");
    e.schreibeZahl("Update", "Zeitlimit", 0);
    EXPECT_EQ(ServerAusEinstellungen(e), "https://lotto.example.org");
    EXPECT_EQ(ZeitlimitMillisekunden(e), 1000);  // at least one second
}

Bytes Versionssatz(const std::string& text, std::uint8_t laenge) {
    Bytes satz(VersionsSatzGroesse, 0xEE);
    satz[8] = laenge;
    std::copy(text.begin(), text.end(), satz.begin() + 9);
    return satz;
}

Bytes Folge(std::initializer_list<Bytes> teile) {
    Bytes alle;
    for (const auto& t : teile) alle.insert(alle.end(), t.begin(), t.end());
    return alle;
}

TEST(Versionsdatei, TheLastWholeRecordCounts) {
    struct Fall {
        const char* name;
        Bytes daten;
        std::optional<std::string> version;
    };
    const Fall faelle[] = {
        {"one record", Versionssatz("1.3.1.0", 7), "1.3.1.0"},
        {"last of three", Folge({Versionssatz("1.0", 3), Versionssatz("1.2", 3), Versionssatz("1.3.1.1", 7)}), "1.3.1.1"},
        {"filler after the text", Versionssatz("1.3.1.0xyz", 7), "1.3.1.0"},
        {"partial record after it", Folge({Versionssatz("1.4", 3), Bytes(10, 1)}), "1.4"},
        {"empty text", Versionssatz("", 0), ""},
        {"fifteen characters", Versionssatz("123456789012345", 15), "123456789012345"},
        {"Latin-1 byte", Versionssatz("2\xE4", 2), "2\xC3\xA4"},
        {"empty file", Bytes{}, std::nullopt},
        {"23 bytes only", Bytes(23, 5), std::nullopt},
        {"length beyond the record", Versionssatz("1.3.1.0", 16), std::nullopt},
    };
    for (const auto& f : faelle) {
        const Versionsbefund b = VersionLesen(f.daten);
        EXPECT_EQ(b.version, f.version) << f.name;
        EXPECT_EQ(b.fehler.empty(), f.version.has_value()) << f.name;
    }
}

TEST(Versionsdatei, OnlyTheExactProgramVersionLeavesTheDownloadOff) {
    EXPECT_FALSE(AndereVersion("1.3.1.0"));
    for (const char* andere : {"1.3.1.1", "1.3.1.0 ", "1.3.1", "", "1.3.1.00"}) EXPECT_TRUE(AndereVersion(andere)) << andere;
}

TEST(Versionsdatei, AFileThatCannotBeReadIsReported) {
    TempOrdner ordner;
    const Versionsbefund b = VersionsdateiLesen(ordner.pfad() / "verinfos.qtr");
    EXPECT_FALSE(b.version);
    EXPECT_NE(b.fehler.find("verinfos.qtr"), std::string::npos);
}

TDatum Um(int jahr, int monat, int tag, int stunde, int minute) {
    return DatumAus(jahr, monat, tag) + (stunde * 60 + minute) / 1440.0;
}

TEST(Ziehungsstand, ADrawCountsFromEightInTheEvening) {
    // 2024-01-07 is a Sunday, 2024-01-10 a Wednesday.
    struct Fall {
        TDatum jetzt;
        int wochentag;
        TDatum erwartet;
    };
    const Fall faelle[] = {
        {Um(2024, 1, 7, 19, 59), 1, DatumAus(2023, 12, 31)},
        {Um(2024, 1, 7, 20, 0), 1, DatumAus(2023, 12, 31)},
        {Um(2024, 1, 7, 20, 1), 1, DatumAus(2024, 1, 7)},
        {Um(2024, 1, 7, 23, 59), 4, DatumAus(2024, 1, 3)},
        {Um(2024, 1, 10, 10, 0), 4, DatumAus(2024, 1, 3)},
        {Um(2024, 1, 10, 21, 0), 4, DatumAus(2024, 1, 10)},
        {Um(2024, 1, 8, 0, 30), 1, DatumAus(2024, 1, 7)},  // Monday night: yesterday's draw
        {Um(2024, 1, 13, 12, 0), 4, DatumAus(2024, 1, 10)},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(DatumText(ErwarteteZiehung(f.jetzt, f.wochentag)), DatumText(f.erwartet))
            << DatumText(f.jetzt) << " day " << f.wochentag;
}

TEST(Ziehungsstand, DownloadIsOfferedWhenEitherDayIsBehind) {
    const TDatum jetzt = Um(2024, 1, 11, 9, 0);  // Thursday: expected 07.01. and 10.01.
    Datenbestand d;
    EXPECT_TRUE(StandErmitteln(d, jetzt).downloadSinnvoll);  // nothing stored
    d.GZListe = {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7),
                 TestZiehung(DatumAus(2024, 1, 10), {1, 2, 3, 4, 5, 6}, 7)};
    StatistikStart(d);
    Ziehungsstand s = StandErmitteln(d, jetzt);
    EXPECT_EQ(s.standSo, "07.01.2024");
    EXPECT_EQ(s.standMi, "10.01.2024");
    EXPECT_EQ(s.aktuellSo, "07.01.2024");
    EXPECT_EQ(s.aktuellMi, "10.01.2024");
    EXPECT_FALSE(s.downloadSinnvoll);
    d.GZListe.pop_back();
    StatistikStart(d);
    s = StandErmitteln(d, jetzt);
    EXPECT_EQ(s.standMi, "");
    EXPECT_TRUE(s.downloadSinnvoll);
    EXPECT_TRUE(StandErmitteln(d, Um(2024, 1, 14, 20, 30)).downloadSinnvoll);  // the Sunday after
}

class Ziehungsdownload : public ::testing::Test {
protected:
    void SetUp() override {
        historie = ordner.pfad() / "GZ.645";
        sicherung = ordner.pfad() / "GZ.645.bak";
        download = ZiehungsdownloadPfad(historie);
        alt = {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7, 0x5A)};
        ZiehungenSpeichern(historie, alt);
        altBytes = LiesDatei(historie);
    }
    static Bytes Datei(const std::vector<TGewZahlen>& ziehungen) {
        Bytes b(ziehungen.size() * GewZahlenGroesse);
        for (std::size_t i = 0; i < ziehungen.size(); ++i) GewZahlenNach(ziehungen[i], b.data() + i * GewZahlenGroesse);
        return b;
    }
    TempOrdner ordner;
    std::filesystem::path historie, sicherung, download;
    std::vector<TGewZahlen> alt;
    Bytes altBytes;
};

TEST_F(Ziehungsdownload, AValidFileReplacesTheHistoryAfterTheBackup) {
    const Bytes neu = Datei({TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7),
                            TestZiehung(DatumAus(2024, 1, 10), {40, 3, 17, 25, 33, 9}, 21)});
    SchreibeDateiAtomar(download, neu);
    const Einsetzergebnis e = ZiehungsdownloadEinsetzen(download, historie, sicherung);
    EXPECT_TRUE(e.eingesetzt) << e.meldung;
    EXPECT_EQ(e.ziehungen, 2u);
    EXPECT_EQ(LiesDatei(historie), neu);
    EXPECT_EQ(LiesDatei(sicherung), altBytes);
    EXPECT_FALSE(std::filesystem::exists(download));
}

TEST_F(Ziehungsdownload, WithoutAStoredHistoryNoBackupIsMade) {
    std::filesystem::remove(historie);
    SchreibeDateiAtomar(download, Datei(alt));
    EXPECT_TRUE(ZiehungsdownloadEinsetzen(download, historie, sicherung).eingesetzt);
    EXPECT_EQ(LiesDatei(historie), altBytes);
    EXPECT_FALSE(std::filesystem::exists(sicherung));
}

TEST_F(Ziehungsdownload, AnInvalidFileLeavesTheHistoryByteForByte) {
    const TGewZahlen gut = TestZiehung(DatumAus(2024, 1, 10), {1, 2, 3, 4, 5, 6}, 7);
    Bytes halb = Datei({gut});
    halb.resize(24);
    struct Fall {
        const char* name;
        Bytes daten;
        const char* grund;
    };
    const Fall faelle[] = {
        {"partial record", halb, "8 Byte"},
        {"number 46", Datei({TestZiehung(DatumAus(2024, 1, 10), {1, 2, 3, 4, 5, 46}, 7)}), "Nr. 1"},
        {"number 0", Datei({gut, TestZiehung(DatumAus(2024, 1, 14), {0, 2, 3, 4, 5, 6}, 7)}), "Nr. 2"},
        {"repeated number", Datei({TestZiehung(DatumAus(2024, 1, 10), {1, 2, 3, 4, 5, 6}, 6)}), "Nr. 1"},
        {"dates descending", Datei({gut, TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7)}), "Nr. 2"},
        {"same date twice", Datei({gut, gut}), "Nr. 2"},
        {"empty file", Bytes{}, "keine Ziehung"},
    };
    SchreibeDateiAtomar(sicherung, std::string_view("older backup"));
    for (const auto& f : faelle) {
        SchreibeDateiAtomar(download, f.daten);
        const Einsetzergebnis e = ZiehungsdownloadEinsetzen(download, historie, sicherung);
        EXPECT_FALSE(e.eingesetzt) << f.name;
        EXPECT_NE(e.meldung.find(f.grund), std::string::npos) << f.name << ": " << e.meldung;
        EXPECT_NE(e.meldung.find("bleiben unverändert"), std::string::npos) << f.name;
        EXPECT_EQ(LiesDatei(historie), altBytes) << f.name;
        EXPECT_EQ(LiesDatei(sicherung), Bytes({'o', 'l', 'd', 'e', 'r', ' ', 'b', 'a', 'c', 'k', 'u', 'p'})) << f.name;
        EXPECT_FALSE(std::filesystem::exists(download)) << f.name;
    }
}

TEST(AtomarerSchreiber, PiecesReplaceTheTargetOnlyWhenFinished) {
    TempOrdner ordner;
    const auto ziel = ordner.pfad() / "Update.deb";
    SchreibeDateiAtomar(ziel, std::string_view("old"));
    {
        AtomarerSchreiber s(ziel);
        s.schreibe("abc", 3);
        s.schreibe("de", 2);
        EXPECT_EQ(s.geschrieben(), 5u);
        EXPECT_EQ(DateiGroesse(ziel), 3);
    }  // dropped: a broken transfer
    EXPECT_EQ(LiesDatei(ziel), Bytes({'o', 'l', 'd'}));
    EXPECT_FALSE(std::filesystem::exists(ziel.string() + ".neu"));
    AtomarerSchreiber s(ziel);
    s.schreibe("new!", 4);
    s.abschliessen();
    EXPECT_EQ(LiesDatei(ziel), Bytes({'n', 'e', 'w', '!'}));
    EXPECT_FALSE(std::filesystem::exists(ziel.string() + ".neu"));
}

}  // namespace

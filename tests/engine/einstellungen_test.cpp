#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/einstellungen.h"
#include "temp_ordner.h"

using namespace quintaro;

TEST(Einstellungen, ValuesOfWrongFormReadAsTheDefault) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Einstellungen.ini";
    SchreibeDateiAtomar(datei, std::string_view("[Filter]\r\nZP=abc\r\nGA= 3 \r\nTR=\r\nScheinsysteme=2\r\nZPegal=x\r\n"));
    const Einstellungen e(datei);
    EXPECT_EQ(e.leseZahl("Filter", "ZP", 12), 12);
    EXPECT_EQ(e.leseZahl("Filter", "GA", 2), 3);
    EXPECT_EQ(e.leseZahl("Filter", "TR", 24), 24);
    EXPECT_TRUE(e.leseSchalter("Filter", "Scheinsysteme", false));
    EXPECT_FALSE(e.leseSchalter("Filter", "ZPegal", false));
    EXPECT_TRUE(e.leseSchalter("Filter", "ZPegal", true));
    EXPECT_EQ(e.leseText("filter", "zp", "-"), "abc");  // names ignore case
    EXPECT_EQ(e.leseText("Zufall", "Anzahl", "12"), "12");
}

TEST(Einstellungen, WritesKeepUnknownEntriesAndTakeEffectAtOnce) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Einstellungen.ini";
    SchreibeDateiAtomar(datei, std::string_view("; Kommentar\r\n[Fremd]\r\nx=1\r\nfreie Zeile\r\n[Spielscheine]\r\nDatei1=/a b/c.nqtr\r\n"));
    {
        Einstellungen e(datei);
        e.loescheSektion("Spielscheine");
        e.schreibeZahl("Spielscheine", "Dateienanzahl", 1);
        e.schreibeText("Spielscheine", "Datei1", "/tmp/ä ö/=x.nqtr");
        e.schreibeSchalter("Spielscheine", "Merken", true);
    }
    const Einstellungen neu(datei);
    EXPECT_EQ(neu.leseZahl("Spielscheine", "Dateienanzahl", 0), 1);
    EXPECT_EQ(neu.leseText("Spielscheine", "Datei1", ""), "/tmp/ä ö/=x.nqtr");
    EXPECT_EQ(neu.leseText("Spielscheine", "Merken", ""), "1");
    EXPECT_EQ(neu.leseText("Fremd", "x", ""), "1");
    const Bytes roh = LiesDatei(datei);
    const std::string text(roh.begin(), roh.end());
    EXPECT_EQ(text.rfind("; Kommentar\r\n[Fremd]\r\nx=1\r\nfreie Zeile\r\n", 0), 0u) << text;
}

TEST(Einstellungen, MissingFileReadsLikeAnEmptyOne) {
    TempOrdner ordner;
    const Einstellungen e(ordner.pfad() / "fehlt.ini");
    EXPECT_EQ(e.leseZahl("Auswertung", "N-Ziehung", 0), 0);
    EXPECT_FALSE(std::filesystem::exists(ordner.pfad() / "fehlt.ini"));
}

// A settings file that exists but cannot be read used to load as empty, and
// the next write replaced it with only the keys just written.
TEST(Einstellungen, AnUnreadableFileIsReportedOnceAndNeverWrittenOver) {
    TempOrdner ordner;
    std::vector<std::string> meldungen;
    Einstellungen::SetzeMelder([&](const std::string& text) { meldungen.push_back(text); });
    const auto schleife = ordner.pfad() / "Einstellungen.ini";
    std::filesystem::create_symlink("Einstellungen.ini", schleife);  // a link to itself
    const auto ordnerStattDatei = ordner.pfad() / "Ordner.ini";
    std::filesystem::create_directory(ordnerStattDatei);
    for (const auto& datei : {schleife, ordnerStattDatei}) {
        for (int lauf = 0; lauf < 2; ++lauf) {
            Einstellungen e(datei);
            EXPECT_EQ(e.leseZahl("Filter", "ZP", 12), 12);
            EXPECT_NO_THROW(e.schreibeZahl("Filter", "ZP", 20));
            EXPECT_EQ(e.leseZahl("Filter", "ZP", 12), 20);  // kept for this window
        }
    }
    Einstellungen::SetzeMelder({});
    ASSERT_EQ(meldungen.size(), 2u);
    EXPECT_NE(meldungen[0].find("\"Einstellungen.ini\" kann nicht gelesen werden"), std::string::npos) << meldungen[0];
    EXPECT_NE(meldungen[0].find("nicht gespeichert"), std::string::npos);
    EXPECT_NE(meldungen[1].find("\"Ordner.ini\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_symlink(schleife));
    EXPECT_TRUE(std::filesystem::is_directory(ordnerStattDatei));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 2);
}

TEST(Einstellungen, EveryLineEndAndAByteOrderMarkAreRead) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Einstellungen.ini";
    for (const std::string_view inhalt : {"\xEF\xBB\xBF[Filter]\r\nZP=7\r\n", "[Filter]\rZP=7\r", "[Filter]\nZP=7"}) {
        SchreibeDateiAtomar(datei, inhalt);
        EXPECT_EQ(Einstellungen(datei).leseZahl("Filter", "ZP", 12), 7) << inhalt;
    }
}

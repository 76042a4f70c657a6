// Bad input is named in a short, printable German message, and reading it
// costs no more memory than a small multiple of the file.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "cli_lauf.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "core/textzeilen.h"
#include "core/ziehungsdatei.h"
#include "gemeinsam/testziehung.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {
class KlareFehler : public ::testing::Test {
protected:
    void SetUp() override { ZiehungenSpeichern(pfad("GZ.645"), {TestZiehung(43467, {1, 2, 3, 4, 5, 6}, 7)}); }
    std::string pfad(const std::string& name) const { return (ordner.pfad() / name).string(); }
    CliLauf auswerten(std::string_view schein) const {
        SchreibeDateiAtomar(pfad("t.nqtr"), schein);
        return Cli({"evaluate", "--draws", pfad("GZ.645"), "--ticket", pfad("t.nqtr")});
    }
    TempOrdner ordner;
};

// Runs the command-line program itself within an address space of
// `speicher` bytes and returns its status and what it wrote to stderr.
std::pair<int, std::string> ProgrammMitSpeicher(const std::vector<std::string>& args, std::size_t speicher,
                                                const std::string& fehlerDatei) {
    std::vector<std::string> alle = {QUINTARO_CLI};
    alle.insert(alle.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : alle) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit grenze{speicher, speicher};
        ::setrlimit(RLIMIT_DATA, &grenze);
        const int aus = ::open("/dev/null", O_WRONLY), fehler = ::open(fehlerDatei.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(aus, 1);
        ::dup2(fehler, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const Bytes fehler = LiesDatei(fehlerDatei);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(fehler.begin(), fehler.end())};
}
}  // namespace

TEST(Auszug, ShortPrintableAndCutAtACharacter) {
    const std::pair<std::string, std::string> faelle[] = {
        {"12a", "12a"},
        {std::string("1\0" "2", 3), "1?2"},
        {"\t\x7f\xff", "???"},
        {"Größe", "Größe"},
        {std::string(50, 'x'), std::string(40, 'x') + "…"},
        {std::string(39, 'x') + "ää", std::string(39, 'x') + "ä…"},
    };
    for (const auto& [text, auszug] : faelle) EXPECT_EQ(Auszug(text), auszug);
}

TEST_F(KlareFehler, BadCellsAreQuotedShortAndWhole) {
    const auto nul = auswerten(std::string_view("1,2,3,\0,4,5,6\r\n", 15));
    EXPECT_EQ(nul.status, 1);
    EXPECT_EQ(nul.fehler, "'?' ist kein gültiger ganzzahliger Wert. (Reihe 1, Zahl 4)\n");

    const auto lang = auswerten(std::string(1'000'000, '7') + ",2,3,4,5,6\r\n");
    EXPECT_EQ(lang.status, 1);
    EXPECT_LT(lang.fehler.size(), 200u);
    EXPECT_NE(lang.fehler.find("(Reihe 1, Zahl 1)"), std::string::npos);

    const auto breit = auswerten("1,2,3,4,5,6\r\n" + std::string(5000, ',') + "\r\n");
    EXPECT_EQ(breit.status, 1);
    EXPECT_NE(breit.fehler.find("\"t.nqtr\" ist kein Normalschein: Zeile 2 hat 5001 Felder"), std::string::npos)
        << breit.fehler;
}

TEST_F(KlareFehler, AByteOrderMarkIsReadAsNothing) {
    const auto lauf = auswerten("\xEF\xBB\xBF" "1,2,3,4,5,6\r\n");
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    TippTabelle reihen;
    EXPECT_EQ(ReihenAusText(reihen, "\xEF\xBB\xBF" "1,2,3,4,5,6\r\n"), 1);
    EXPECT_EQ(Zelle(reihen, 1, 1), "1");
}

TEST_F(KlareFehler, TheRealProblemIsNamed) {
    SchreibeDateiAtomar(pfad("alt.csv"), std::string_view("1850-01-01,1,2,3,4,5,6,7\n"));
    const auto alt = Cli({"draws", "import", pfad("alt.csv"), pfad("neu.645")});
    EXPECT_EQ(alt.status, 1);
    EXPECT_NE(alt.fehler.find("Zeile 1: das Datum \"1850-01-01\" liegt nicht in den Jahren 1900 bis 9999."),
              std::string::npos) << alt.fehler;

    SchreibeDateiAtomar(pfad("leer.645"), Bytes{});
    const auto leer = Cli({"stats", "freq", "--draws", pfad("leer.645"), "--from", "0"});
    EXPECT_EQ(leer.status, 1);
    EXPECT_EQ(leer.fehler.find("-1"), std::string::npos) << leer.fehler;
    EXPECT_NE(leer.fehler.find("keine Ziehung"), std::string::npos) << leer.fehler;
}

// A 10 MB one-line ticket used to take 432 MB, 20 million commas 548 MB; now
// each is refused in German within twice the file's size and a little more.
TEST_F(KlareFehler, MemoryStaysWithinASmallMultipleOfTheFile) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "the address sanitizer's shadow memory does not fit a memory limit; the ordinary build runs this";
#endif
    std::string zeile;
    for (int i = 0; i < 5'000'000; ++i) zeile += "1,";
    SchreibeDateiAtomar(pfad("zeile.nqtr"), zeile);
    SchreibeDateiAtomar(pfad("kommas.csv"), std::string(20'000'000, ','));
    constexpr std::size_t kGrundbedarf = std::size_t(16) << 20;
    const auto [scheinStatus, scheinFehler] = ProgrammMitSpeicher(
        {"evaluate", "--draws", pfad("GZ.645"), "--ticket", pfad("zeile.nqtr")}, 2 * zeile.size() + kGrundbedarf,
        pfad("fehler.txt"));
    EXPECT_EQ(scheinStatus, 1);
    EXPECT_NE(scheinFehler.find("Zeile 1 hat 5000001 Felder"), std::string::npos) << scheinFehler;
    const auto [importStatus, importFehler] = ProgrammMitSpeicher(
        {"draws", "import", pfad("kommas.csv"), pfad("neu.645")}, 2 * 20'000'000 + kGrundbedarf, pfad("fehler.txt"));
    EXPECT_EQ(importStatus, 1);
    EXPECT_NE(importFehler.find("keine einzige Ziehung"), std::string::npos) << importFehler;
}

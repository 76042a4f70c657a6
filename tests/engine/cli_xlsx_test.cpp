// quintaro-cli xlsx export|import, run in-process.
#include <gtest/gtest.h>

#include "app/mappe/mappendatei.h"
#include "cli_lauf.h"
#include "core/datei.h"
#include "temp_ordner.h"

namespace {

class CliXlsx : public ::testing::Test {
protected:
    std::string pfad(const char* name) const { return (ordner.pfad() / name).string(); }
    void schreibe(const char* name, std::string_view text) const { quintaro::SchreibeDateiAtomar(pfad(name), text); }

    TempOrdner ordner;
};

TEST_F(CliXlsx, ExportedTicketImportsAsItsRows) {
    schreibe("schein.nqtr", "3,11,17,28,40,45\r\n1,2,3,4,5,6\r\n7,19,23,31,38,44\r\n");
    const CliLauf aus = Cli({"xlsx", "export", pfad("schein.nqtr"), pfad("reihen.xlsx")});
    ASSERT_EQ(aus.status, 0) << aus.fehler;
    EXPECT_EQ(quintaro::MappeLesen(pfad("reihen.xlsx")).name, "Tippreihen");

    const CliLauf ein = Cli({"xlsx", "import", pfad("reihen.xlsx")});
    ASSERT_EQ(ein.status, 0) << ein.fehler;
    EXPECT_EQ(ein.aus, "3,11,17,28,40,45\n1,2,3,4,5,6\n7,19,23,31,38,44\n");
}

TEST_F(CliXlsx, SheetIsNamedAsAsked) {
    schreibe("schein.nqtr", "1,2,3,4,5,6\r\n");
    ASSERT_EQ(Cli({"xlsx", "export", pfad("schein.nqtr"), pfad("a.xlsx"), "--sheet", "Tippreihen aus System"}).status, 0);
    EXPECT_EQ(quintaro::MappeLesen(pfad("a.xlsx")).name, "Tippreihen aus System");

    const CliLauf falsch = Cli({"xlsx", "export", pfad("schein.nqtr"), pfad("b.xlsx"), "--sheet", "a/b"});
    EXPECT_EQ(falsch.status, 1);
    EXPECT_NE(falsch.fehler.find("\"b.xlsx\""), std::string::npos) << falsch.fehler;
    EXPECT_EQ(quintaro::DateiGroesse(pfad("b.xlsx")), -1);
}

TEST_F(CliXlsx, RefusalsExitWithTheGermanError) {
    schreibe("schein.nqtr", "1,2,3,4,5,6\r\n");
    schreibe("system.sqtr", std::string(46, '\0'));
    const struct {
        std::vector<std::string> args;
        std::string text;
    } faelle[] = {
        {{"xlsx", "import", pfad("schein.nqtr")}, "Die Datei \"schein.nqtr\" ist keine lesbare Arbeitsmappe"},
        {{"xlsx", "import", pfad("fehlt.xlsx")}, "\"fehlt.xlsx\" kann nicht gelesen werden"},
        {{"xlsx", "export", pfad("system.sqtr"), pfad("s.xlsx")}, "\"system.sqtr\" ist ein Systemschein"},
        {{"xlsx", "export", pfad("schein.nqtr")}, "Aufruf: quintaro-cli xlsx export"},
        {{"xlsx"}, "Aufruf: quintaro-cli xlsx export|import"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.args.back());
        const CliLauf lauf = Cli(fall.args);
        EXPECT_EQ(lauf.status, 1);
        EXPECT_TRUE(lauf.aus.empty());
        EXPECT_NE(lauf.fehler.find(fall.text), std::string::npos) << lauf.fehler;
    }
}

}  // namespace

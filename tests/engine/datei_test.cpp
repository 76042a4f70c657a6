#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <fstream>

#include "core/datei.h"
#include "core/einstellungen.h"
#include "core/ziehungsdatei.h"
#include "core/fehler.h"
#include "temp_ordner.h"

using namespace quintaro;
namespace fs = std::filesystem;

namespace {
class Datei : public ::testing::Test {
protected:
    fs::path pfad(const std::string& name) const { return ordner.pfad() / name; }
    static std::string Text(const fs::path& p) {
        const Bytes b = LiesDatei(p);
        return std::string(b.begin(), b.end());
    }
    static mode_t Modus(const fs::path& p) {
        struct stat info {};
        ::stat(p.c_str(), &info);
        return info.st_mode & 07777;
    }
    std::size_t Eintraege() const { return std::size_t(std::distance(fs::directory_iterator(ordner.pfad()), {})); }
    TempOrdner ordner;
};

template <typename F>
std::string Fehlertext(F&& f) {
    try {
        f();
    } catch (const DateiFehler& e) {
        return e.what();
    }
    return {};
}
}  // namespace

TEST_F(Datei, ReplacingThroughALinkUpdatesItsTargetAndKeepsTheLink) {
    SchreibeDateiAtomar(pfad("echt.645"), std::string_view("alt"));
    fs::create_symlink("echt.645", pfad("GZ.645"));
    SchreibeDateiAtomar(pfad("GZ.645"), std::string_view("neu"));
    EXPECT_TRUE(fs::is_symlink(pfad("GZ.645")));
    EXPECT_EQ(Text(pfad("echt.645")), "neu");
    // A link whose target does not exist yet creates the target.
    fs::create_symlink("spaeter.645", pfad("Quo.645"));
    SchreibeDateiAtomar(pfad("Quo.645"), std::string_view("q"));
    EXPECT_TRUE(fs::is_symlink(pfad("Quo.645")));
    EXPECT_EQ(Text(pfad("spaeter.645")), "q");
}

TEST_F(Datei, ReplacementKeepsThePermissionsAndRefusesAWriteProtectedFile) {
    SchreibeDateiAtomar(pfad("a"), std::string_view("1"));
    ::chmod(pfad("a").c_str(), 0640);
    SchreibeDateiAtomar(pfad("a"), std::string_view("2"));
    EXPECT_EQ(Modus(pfad("a")), 0640u);

    ::chmod(pfad("a").c_str(), 0444);
    const std::string fehler = Fehlertext([&] { SchreibeDateiAtomar(pfad("a"), std::string_view("3")); });
    EXPECT_NE(fehler.find("\"a\""), std::string::npos);
    EXPECT_NE(fehler.find("schreibgeschützt"), std::string::npos);
    EXPECT_EQ(Text(pfad("a")), "2");
    EXPECT_EQ(Modus(pfad("a")), 0444u);
}

TEST_F(Datei, TheSideFileNeverMeetsAUsersFileOrLink) {
    SchreibeDateiAtomar(pfad("fremd"), std::string_view("fremd"));
    SchreibeDateiAtomar(pfad("GZ.645.neu"), std::string_view("eigen"));
    fs::create_symlink("fremd", pfad("Quo.645.neu"));
    SchreibeDateiAtomar(pfad("GZ.645"), std::string_view("gz"));
    SchreibeDateiAtomar(pfad("Quo.645"), std::string_view("quo"));
    EXPECT_EQ(Text(pfad("GZ.645.neu")), "eigen");
    EXPECT_EQ(Text(pfad("fremd")), "fremd");
    EXPECT_TRUE(fs::is_symlink(pfad("Quo.645.neu")));
    EXPECT_EQ(Text(pfad("GZ.645")), "gz");
    EXPECT_EQ(Eintraege(), 5u);
}

TEST_F(Datei, AFailedWriteLeavesTheOldFileAndNoSideFile) {
    SchreibeDateiAtomar(pfad("GZ.645"), std::string_view("alt"));
    // A file size limit makes the write itself fail half-way.
    rlimit vorher{};
    ::getrlimit(RLIMIT_FSIZE, &vorher);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit eng = vorher;
    eng.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &eng);
    const std::string fehler = Fehlertext([&] { SchreibeDateiAtomar(pfad("GZ.645"), std::string(100, 'x')); });
    ::setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, signal);
    EXPECT_NE(fehler.find("Die Datei \"GZ.645\" kann nicht geschrieben werden: Die Datei wird zu groß."), std::string::npos)
        << fehler;
    EXPECT_EQ(Text(pfad("GZ.645")), "alt");
    EXPECT_EQ(Eintraege(), 1u);
}

TEST_F(Datei, DevicesAndPipesAreWrittenToAndFoldersRefused) {
    SchreibeDateiAtomar("/dev/null", std::string_view("weg"));
    EXPECT_TRUE(fs::is_character_file("/dev/null"));

    ASSERT_EQ(::mkfifo(pfad("leitung").c_str(), 0600), 0);
    const int leser = ::open(pfad("leitung").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(leser, 0);
    SchreibeDateiAtomar(pfad("leitung"), std::string_view("durch"));
    char puffer[16] = {};
    EXPECT_EQ(::read(leser, puffer, sizeof puffer), 5);
    EXPECT_STREQ(puffer, "durch");
    ::close(leser);
    EXPECT_TRUE(fs::is_fifo(pfad("leitung")));
    // Without a reader the pipe is refused at once instead of waiting.
    EXPECT_NE(Fehlertext([&] { SchreibeDateiAtomar(pfad("leitung"), std::string_view("x")); }).find("\"leitung\""),
              std::string::npos);

    fs::create_directory(pfad("ordner"));
    EXPECT_NE(Fehlertext([&] { SchreibeDateiAtomar(pfad("ordner"), std::string_view("x")); }).find("Ordner"),
              std::string::npos);
    EXPECT_TRUE(fs::is_directory(pfad("ordner")));
}

TEST_F(Datei, ReadingTakesRegularFilesOnlyAndNeverHangs) {
    ASSERT_EQ(::mkfifo(pfad("leitung").c_str(), 0600), 0);
    fs::create_directory(pfad("ordner"));
    fs::create_symlink("schleife", pfad("schleife"));
    SchreibeDateiAtomar(pfad("gross"), std::string(2000, 'x'));
    const std::pair<fs::path, std::string> faelle[] = {
        {pfad("leitung"), "keine gewöhnliche Datei"},
        {"/dev/zero", "keine gewöhnliche Datei"},
        {pfad("ordner"), "Ordner"},
        {pfad("schleife"), "Verknüpfungen"},
        {pfad("fehlt"), "nicht gefunden"},
    };
    for (const auto& [p, ursache] : faelle) {
        const std::string fehler = Fehlertext([&] { LiesDatei(p); });
        EXPECT_NE(fehler.find("\"" + DateiName(p) + "\" kann nicht gelesen werden"), std::string::npos) << fehler;
        EXPECT_NE(fehler.find(ursache), std::string::npos) << fehler;
    }
    EXPECT_FALSE(LiesDateiFallsVorhanden(pfad("fehlt")).has_value());
    EXPECT_THROW(LiesDateiFallsVorhanden(pfad("schleife")), DateiFehler);
    EXPECT_EQ(LiesDatei(pfad("gross"), 2000).size(), 2000u);
    EXPECT_NE(Fehlertext([&] { LiesDatei(pfad("gross"), 1999); }).find("größer"), std::string::npos);
    EXPECT_TRUE(Vorhanden(pfad("schleife")));
    EXPECT_FALSE(Vorhanden(pfad("fehlt")));
}

TEST(Dateifehler, SystemErrorsAreNamedInGerman) {
    for (int nummer : {EIO, EXDEV, ELOOP, ENOTDIR, ENAMETOOLONG, EFBIG, EBUSY, ENXIO, 12345}) {
        const std::string text = FehlerUrsache(nummer);
        EXPECT_EQ(text.find(std::strerror(nummer)), std::string::npos) << text;
        EXPECT_FALSE(text.empty());
    }
    EXPECT_NE(FehlerUrsache(EIO).find("Ein-/Ausgabefehler"), std::string::npos);
}

// A history in a folder that cannot be searched, and a settings file that
// cannot be read, as an ordinary user meets them (root would read them, so the
// check runs as the user "nobody" in a child process).
TEST_F(Datei, FilesTheUserMayNotReadGiveGermanErrorsAndStayUntouched) {
    fs::create_directory(pfad("gesperrt"));
    SchreibeDateiAtomar(pfad("gesperrt") / "GZ.645", Bytes(16, 1));
    fs::permissions(pfad("gesperrt"), fs::perms::none);
    SchreibeDateiAtomar(pfad("Einstellungen.ini"), std::string_view("[Filter]\r\nZP=20\r\n"));
    fs::permissions(pfad("Einstellungen.ini"), fs::perms::none);
    fs::permissions(ordner.pfad(), fs::perms::all);
    EXPECT_EXIT(
        {
            if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
            int fehler = 0;
            try {
                ZiehungenLaden(pfad("gesperrt") / "GZ.645");
            } catch (const DateiFehler& e) {
                if (std::string(e.what()).find("\"GZ.645\" kann nicht gelesen werden: Der Zugriff wurde verweigert.") ==
                    std::string::npos)
                    fehler = 3;
            } catch (...) {
                std::_Exit(4);
            }
            int meldungen = 0;
            Einstellungen::SetzeMelder([&](const std::string&) { ++meldungen; });
            Einstellungen e(pfad("Einstellungen.ini"));
            e.schreibeZahl("Filter", "GA", 3);
            Einstellungen(pfad("Einstellungen.ini")).schreibeZahl("Filter", "TR", 30);
            std::_Exit(fehler != 0 ? fehler : meldungen == 1 ? 0 : 5);
        },
        ::testing::ExitedWithCode(0), "");
    fs::permissions(ordner.pfad(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                       fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(pfad("gesperrt"), fs::perms::owner_all);
    fs::permissions(pfad("Einstellungen.ini"), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(Text(pfad("Einstellungen.ini")), "[Filter]\r\nZP=20\r\n");
}

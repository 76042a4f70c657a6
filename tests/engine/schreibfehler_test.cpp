// Every file the program writes, written when it cannot be: a full disk, a
// write that breaks off midway, a folder the user may not write to. Each time
// the folder holds what it held before, byte for byte and without a side file,
// the error names the file in German, and the caller's data is as it was.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <functional>
#include <map>
#include <memory>

#include "app/mappe/mappendatei.h"
#include "core/datei.h"
#include "core/datum.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "core/ziehungsdatei.h"
#include "core/ziehungssicherung.h"
#include "gemeinsam/testziehung.h"
#include "quotas/quotenliste.h"
#include "temp_ordner.h"

using namespace quintaro;
namespace fs = std::filesystem;

namespace {
// One save: the writing itself, and whether the data it wrote from is still
// what it was before.
struct Speichern {
    std::function<void()> schreiben;
    std::function<bool()> unveraendert;
};

// A writer of the program: the file it writes, and how to put its previous
// state into the folder and make the save that is to fail.
struct Schreibfall {
    const char* name;
    const char* datei;
    std::function<Speichern(const fs::path& ordner)> vorbereiten;
};

std::vector<TGewZahlen> Ziehungen(int anzahl) {
    std::vector<TGewZahlen> z;
    for (int i = 0; i < anzahl; ++i) z.push_back(TestZiehung(DatumAus(2020, 1, 4) + 7 * i, {1, 2, 3, 4, 5, 6 + i % 30}, i % 10));
    return z;
}

TippTabelle Tabelle(int reihen) {
    TippTabelle t;
    ReihenKopf(t);
    for (int r = 1; r <= reihen; ++r) t.push_back({std::to_string(r), "1", "2", "3", "4", "5", std::to_string(5 + r)});
    return t;
}

bool operator==(const Tabellenblatt& a, const Tabellenblatt& b) { return a.name == b.name && a.zellen == b.zellen; }

// The data lives in a shared_ptr so that the check sees it as the save left it.
template <typename Daten, typename Schreiber>
Speichern Halten(Daten neu, Schreiber schreiber) {
    auto daten = std::make_shared<Daten>(std::move(neu));
    const Daten vorher = *daten;
    return {[=] { schreiber(*daten); }, [=] { return *daten == vorher; }};
}

const Schreibfall Faelle[] = {
    {"Ziehungen", "GZ.645",
     [](const fs::path& o) {
         ZiehungenSpeichern(o / "GZ.645", Ziehungen(3));
         return Halten(Ziehungen(40), [=](const auto& z) { ZiehungenSpeichern(o / "GZ.645", z); });
     }},
    {"ZiehungenMitSicherung", "GZ.645",
     [](const fs::path& o) {
         ZiehungenSpeichern(o / "GZ.645", Ziehungen(3));
         // The backup already holds the history, so backing it up again changes no byte.
         ZiehungenSpeichern(o / "GZ.645.bak", Ziehungen(3));
         return Halten(Ziehungen(40),
                       [=](const auto& z) { ZiehungsdateiErsetzen(o / "GZ.645", o / "GZ.645.bak", z); });
     }},
    {"Quoten", "Quo.645",
     [](const fs::path& o) {
         const auto quoten = [](int anzahl) {
             std::vector<TQuoten> q(static_cast<std::size_t>(anzahl));
             for (int i = 0; i < anzahl; ++i) {
                 q[std::size_t(i)].datum = DatumAus(2020, 1, 4) + 7 * i;
                 for (std::size_t k = 1; k <= 8; ++k) q[std::size_t(i)].q[k] = Currency(100000 * (9 - k) + i);
             }
             return q;
         };
         QuotenSpeichern(o / "Quo.645", quoten(2));
         return Halten(quoten(30), [=](const auto& q) { QuotenSpeichern(o / "Quo.645", q); });
     }},
    {"Einstellungen", "Einstellungen.ini",
     [](const fs::path& o) {
         auto e = std::make_shared<Einstellungen>(o / "Einstellungen.ini");
         e->schreibeZahl("Filter", "ZP", 20);
         e->schreibeText("Hauptfenster", "Schein1", "Woche.nqtr");
         return Speichern{[=] { e->schreibeText("Hauptfenster", "Schein2", std::string(300, 'x') + ".nqtr"); },
                          [=] {
                              return e->leseText("Hauptfenster", "Schein2", "fehlt") == "fehlt" &&
                                     e->leseZahl("Filter", "ZP", 0) == 20;
                          }};
     }},
    {"Schein", "Woche.nqtr",
     [](const fs::path& o) {
         ReihenSpeichern(Tabelle(2), o / "Woche.nqtr");
         return Halten(Tabelle(40), [=](const auto& t) { ReihenSpeichern(t, o / "Woche.nqtr"); });
     }},
    {"Csv", "Reihen.csv",
     [](const fs::path& o) {
         ReihenSpeichern(Tabelle(2), o / "Reihen.csv");
         return Halten(Tabelle(40), [=](const auto& t) { ReihenSpeichern(t, o / "Reihen.csv"); });
     }},
    {"Systemschein", "System.sqtr",
     [](const fs::path& o) {
         SystemscheinSpeichern(SystemscheinBauen(1, {}, {1, 2, 3, 4, 5, 6, 7}), o / "System.sqtr");
         return Halten(SystemscheinBauen(8, {7}, {9, 1, 2, 3, 4, 5, 6, 8}),
                       [=](const auto& s) { SystemscheinSpeichern(s, o / "System.sqtr"); });
     }},
    {"Mappe", "Reihen.xlsx",
     [](const fs::path& o) {
         MappeSchreiben(BlattAusTabelle(Tabelle(2), "Reihen"), o / "Reihen.xlsx");
         return Halten(BlattAusTabelle(Tabelle(200), "Reihen"), [=](const Tabellenblatt& b) {
             MappeSchreiben(b, o / "Reihen.xlsx");
         });
     }},
    {"Herunterladen", "GZ.645",
     [](const fs::path& o) {
         ZiehungenSpeichern(o / "GZ.645", Ziehungen(3));
         return Halten(std::string(5000, 'z'), [=](const std::string& daten) {
             AtomarerSchreiber schreiber(o / "GZ.645");
             for (std::size_t i = 0; i < daten.size(); i += 1000) schreiber.schreibe(daten.data() + i, 1000);
             schreiber.abschliessen();
         });
     }},
};

// Every entry of the folder with its bytes.
std::map<std::string, Bytes> Inhalt(const fs::path& ordner) {
    std::map<std::string, Bytes> inhalt;
    for (const auto& e : fs::directory_iterator(ordner)) inhalt[DateiName(e.path())] = LiesDatei(e.path());
    return inhalt;
}

// What disturbs the save, applied in the child process that makes it.
struct Stoerung {
    const char* name;
    bool ordnerSperren;                             // the folder becomes read-only for the saving user
    std::function<void(std::int64_t neueGroesse)> imKind;
};

void Groessengrenze(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit grenze{};
    ::getrlimit(RLIMIT_FSIZE, &grenze);
    grenze.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &grenze);
}

const Stoerung Stoerungen[] = {
    // No byte fits any more.
    {"VolleDisk", false, [](std::int64_t) { Groessengrenze(0); }},
    // Half of the new file is written, then the writing fails.
    {"AbbruchMittendrin", false, [](std::int64_t neu) { Groessengrenze(rlim_t(neu / 2)); }},
    // Root may write anywhere, so the save runs as "nobody".
    {"SchreibgeschuetzterOrdner", true,
     [](std::int64_t) {
         if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
     }},
};

// The child's exit code says what went wrong.
[[noreturn]] void SpeichernImKind(const Schreibfall& fall, const Stoerung& stoerung, const Speichern& s,
                                  std::int64_t neueGroesse) {
    stoerung.imKind(neueGroesse);
    Einstellungen::SetzeMelder([](const std::string&) { std::_Exit(7); });
    try {
        s.schreiben();
        std::_Exit(3);
    } catch (const DateiFehler& e) {
        const std::string text = e.what();
        if (text.find("Die Datei \"" + std::string(fall.datei) + "\" kann nicht geschrieben werden") == std::string::npos &&
            text.find("Die Datei \"" + std::string(fall.datei) + ".bak\" kann nicht geschrieben werden") ==
                std::string::npos)
            std::_Exit(4);
    } catch (...) {
        std::_Exit(6);
    }
    std::_Exit(s.unveraendert() ? 0 : 5);
}
}  // namespace

// Exit codes of the child: 3 the save succeeded, 4 the message does not name
// the file, 5 the caller's data changed, 6 an error other than DateiFehler.
TEST(Schreibfehler, EveryWriterLeavesFolderFileAndDataAsTheyWere) {
    for (const Schreibfall& fall : Faelle) {
        // The save undisturbed, to know how large the new file becomes.
        std::int64_t neueGroesse = 0;
        {
            TempOrdner probe;
            const Speichern s = fall.vorbereiten(probe.pfad());
            const auto vorher = Inhalt(probe.pfad());
            s.schreiben();
            neueGroesse = DateiGroesse(probe.pfad() / fall.datei);
            ASSERT_NE(Inhalt(probe.pfad()), vorher) << fall.name;
            ASSERT_GT(neueGroesse, 1) << fall.name;
        }
        for (const Stoerung& stoerung : Stoerungen) {
            SCOPED_TRACE(std::string(fall.name) + " / " + stoerung.name);
            TempOrdner ordner;
            const Speichern s = fall.vorbereiten(ordner.pfad());
            const auto vorher = Inhalt(ordner.pfad());
            if (stoerung.ordnerSperren) {
                // The files themselves stay writable: only the folder stops the save.
                for (const auto& e : fs::directory_iterator(ordner.pfad())) fs::permissions(e.path(), fs::perms::all);
                fs::permissions(ordner.pfad(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                                   fs::perms::group_exec | fs::perms::others_read |
                                                   fs::perms::others_exec);
            }
            EXPECT_EXIT(SpeichernImKind(fall, stoerung, s, neueGroesse), ::testing::ExitedWithCode(0), "");
            fs::permissions(ordner.pfad(), fs::perms::owner_all);
            EXPECT_EQ(Inhalt(ordner.pfad()), vorher);
        }
    }
}

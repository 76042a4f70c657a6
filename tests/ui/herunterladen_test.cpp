// The download routine against a real HTTP server on 127.0.0.1.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "core/datei.h"
#include "online/ui/herunterladen_wartend.h"
#include "testserver.h"

namespace quintaro {
namespace {

class Herunterladen : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        const std::filesystem::path pfad = ordner.path().toStdString();
        auftrag.ziel = pfad / "ziel.bin";
        auftrag.probe = pfad / "tmp.tmp";
        auftrag.hoechstGroesse = 1000;
        auftrag.zeitlimitMs = 1000;
        SchreibeDateiAtomar(auftrag.ziel, std::string_view("the file as it was"));
    }
    Downloadergebnis laden(const QByteArray& pfad = "/downloads/GZ.645") {
        auftrag.adresse = (server.basis() + QString::fromLatin1(pfad)).toStdString();
        return HerunterladenUndWarten(auftrag);
    }
    bool zielUnveraendert() const { return LiesDatei(auftrag.ziel) == Bytes(alt.begin(), alt.end()); }

    QTemporaryDir ordner;
    Testserver server;
    Downloadauftrag auftrag;
    const std::string alt = "the file as it was";
};

TEST_F(Herunterladen, ProbeThenFileWithoutCacheReplacesTheTarget) {
    const QByteArray inhalt(40, 'x');
    server.datei("/downloads/GZ.645", inhalt);
    const Downloadergebnis e = laden();
    EXPECT_TRUE(e.erfolg()) << DownloadUrsache(e, auftrag.hoechstGroesse);
    EXPECT_EQ(server.anfragen(), 2);  // the probe, then the file
    EXPECT_EQ(LiesDatei(auftrag.ziel), Bytes(inhalt.begin(), inhalt.end()));
    EXPECT_FALSE(std::filesystem::exists(auftrag.probe));
    EXPECT_FALSE(std::filesystem::exists(auftrag.ziel.string() + ".neu"));
    const QByteArray koepfe = server.letzteKoepfe().toLower();
    EXPECT_TRUE(koepfe.contains("cache-control: no-cache")) << koepfe.toStdString();
    EXPECT_TRUE(koepfe.contains("user-agent: quintaro")) << koepfe.toStdString();
}

TEST_F(Herunterladen, EveryFaultLeavesTheTargetAsItWas) {
    struct Fall {
        const char* name;
        Testserver::Antwort antwort;
        Downloadausgang ausgang;
        int anfragen;
    };
    const Fall faelle[] = {
        {"404", Testserver::Datei(404, "Not Found page"), Downloadausgang::HttpFehler, 1},
        {"500", Testserver::Datei(500, "oops, server error"), Downloadausgang::HttpFehler, 1},
        {"empty answer", Testserver::Datei(200, ""), Downloadausgang::Leer, 1},
        {"three bytes", Testserver::Datei(200, "abc"), Downloadausgang::Leer, 1},
        {"dropped midway", Testserver::Abbruch(QByteArray(800, 'y'), 300), Downloadausgang::Abgerissen, 1},
        {"oversized", Testserver::Datei(200, QByteArray(1001, 'z')), Downloadausgang::ZuGross, 1},
        {"redirect away from this computer", Testserver::Weiterleitung("http://lotto.invalid/downloads/GZ.645"),
         Downloadausgang::AdresseUngueltig, 1},
    };
    for (const auto& f : faelle) {
        Testserver eigener;
        eigener.setze("/downloads/GZ.645", f.antwort);
        auftrag.adresse = (eigener.basis() + "/downloads/GZ.645").toStdString();
        const Downloadergebnis e = HerunterladenUndWarten(auftrag);
        EXPECT_EQ(e.ausgang, f.ausgang) << f.name << ": " << DownloadUrsache(e, auftrag.hoechstGroesse);
        EXPECT_EQ(eigener.anfragen(), f.anfragen) << f.name;
        EXPECT_TRUE(zielUnveraendert()) << f.name;
        EXPECT_FALSE(std::filesystem::exists(auftrag.ziel.string() + ".neu")) << f.name;
        EXPECT_FALSE(std::filesystem::exists(auftrag.probe.string() + ".neu")) << f.name;
    }
}

TEST_F(Herunterladen, FourBytesAreAFile) {
    server.datei("/downloads/GZ.645", "abcd");
    EXPECT_TRUE(laden().erfolg());
    EXPECT_EQ(DateiGroesse(auftrag.ziel), 4);
}

TEST_F(Herunterladen, ABreakInTheSecondFetchLosesNothing) {
    // The probe gets the whole file, the fetch itself is cut off.
    server.datei("/downloads/GZ.645", QByteArray(500, 'p'));
    server.hoechstens = 1;  // the second request is dropped at once
    const Downloadergebnis e = laden();
    EXPECT_EQ(e.ausgang, Downloadausgang::Abgerissen) << DownloadUrsache(e, auftrag.hoechstGroesse);
    EXPECT_TRUE(zielUnveraendert());
}

TEST_F(Herunterladen, ARedirectOnThisComputerIsFollowed) {
    server.setze("/downloads/GZ.645", Testserver::Weiterleitung((server.basis() + "/anderswo").toLatin1()));
    server.datei("/anderswo", "redirected content");
    EXPECT_TRUE(laden().erfolg());
    EXPECT_EQ(DateiGroesse(auftrag.ziel), 18);
}

TEST_F(Herunterladen, AServerThatNeverAnswersRunsIntoTheTimeLimit) {
    server.setze("/downloads/GZ.645", Testserver::Schweigen());
    QElapsedTimer uhr;
    uhr.start();
    const Downloadergebnis e = laden();
    EXPECT_EQ(e.ausgang, Downloadausgang::Zeitlimit);
    EXPECT_GE(uhr.elapsed(), 900);
    EXPECT_LT(uhr.elapsed(), 5000);
    EXPECT_TRUE(zielUnveraendert());
    EXPECT_EQ(DownloadUrsache(e, 0), "Der Server antwortet nicht (Zeitüberschreitung).");
}

TEST_F(Herunterladen, RefusedConnectionAndForbiddenAddressesFetchNothing) {
    auftrag.adresse = (Testserver::FreieAdresse() + "/downloads/GZ.645").toStdString();
    EXPECT_EQ(HerunterladenUndWarten(auftrag).ausgang, Downloadausgang::Abgelehnt);
    for (const char* adresse : {"http://lotto.example.org/downloads/GZ.645", "https://server.invalid/downloads/GZ.645"}) {
        auftrag.adresse = adresse;
        const Downloadergebnis e = HerunterladenUndWarten(auftrag);
        EXPECT_EQ(e.ausgang, Downloadausgang::AdresseUngueltig) << adresse;
        EXPECT_FALSE(e.text.empty());
    }
    EXPECT_TRUE(zielUnveraendert());
}

}  // namespace
}  // namespace quintaro

// `quintaro-cli draws download` against a local server.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "../engine/cli_lauf.h"
#include "core/datei.h"
#include "core/ziehungsdatei.h"
#include "gemeinsam/testziehung.h"
#include "testserver.h"

namespace quintaro {
namespace {

class CliDownload : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner.isValid());
        historie = std::filesystem::path(ordner.path().toStdString()) / "GZ.645";
        ZiehungenSpeichern(historie, {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7, 3)});
        alt = LiesDatei(historie);
    }
    CliLauf laden(const QString& server) {
        return Cli({"draws", "download", historie.string(), "--server", server.toStdString()});
    }
    QTemporaryDir ordner;
    std::filesystem::path historie;
    Bytes alt;
    Testserver server;
};

TEST_F(CliDownload, AValidHistoryReplacesTheFileAndKeepsTheBackup) {
    const std::filesystem::path quelle = std::filesystem::path(ordner.path().toStdString()) / "quelle";
    ZiehungenSpeichern(quelle, {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7),
                                TestZiehung(DatumAus(2024, 1, 10), {11, 12, 13, 14, 15, 16}, 17)});
    const Bytes neu = LiesDatei(quelle);
    server.datei("/downloads/GZ.645", QByteArray(reinterpret_cast<const char*>(neu.data()), qsizetype(neu.size())));
    const CliLauf lauf = laden(server.basis());
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "2 Ziehungen geladen.\n");
    EXPECT_EQ(LiesDatei(historie), neu);
    EXPECT_EQ(LiesDatei(historie.string() + ".bak"), alt);
    EXPECT_FALSE(std::filesystem::exists(historie.string() + ".download"));
}

TEST_F(CliDownload, AnyFailureExitsNonZeroWithTheHistoryUntouched) {
    server.datei("/downloads/GZ.645", QByteArray(20, 1));  // a partial record, numbers out of range
    struct Fall {
        QString server;
        const char* text;
    };
    const Fall faelle[] = {
        {server.basis(), "keine gültige Ziehungsdatei"},
        {server.basis() + "/leer", "nicht vorhanden"},
        {Testserver::FreieAdresse(), "abgelehnt"},
        {"http://lotto.example.org", "HTTPS"},
    };
    for (const auto& f : faelle) {
        const CliLauf lauf = laden(f.server);
        EXPECT_EQ(lauf.status, 1) << f.text;
        EXPECT_NE(lauf.fehler.find(f.text), std::string::npos) << lauf.fehler;
        EXPECT_EQ(LiesDatei(historie), alt) << f.text;
    }
    EXPECT_FALSE(std::filesystem::exists(historie.string() + ".download"));
}

}  // namespace
}  // namespace quintaro

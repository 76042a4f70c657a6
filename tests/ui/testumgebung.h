#pragma once
// A fresh data folder (QUINTARO_DATA_DIR), empty program data, German regional
// settings and the recording message service for one window test.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <ostream>

#include "app/ui/fensterverwaltung.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/formatierung.h"
#include "nachrichten_attrappe.h"

QT_BEGIN_NAMESPACE
// Readable failure output for texts.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
QT_END_NAMESPACE

namespace quintaro {

class Testumgebung : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ordner_.isValid());
        qputenv("QUINTARO_DATA_DIR", ordner_.path().toUtf8());
        DatenPfadNeuBestimmen();
        Daten() = Datenbestand{};
        SetzeRegion(Regionaleinstellungen{});
    }
    void TearDown() override { Daten() = Datenbestand{}; }
    // After the test's own members, which may hold windows of their own: the
    // windows the window table made are deleted last.
    ~Testumgebung() override { Fensterverwaltung::Instanz().fensterLoeschen(); }

    std::filesystem::path datei(std::string_view name) const { return DatenDatei(name); }

    QTemporaryDir ordner_;
    NachrichtenAttrappe nachrichten;
};

}  // namespace quintaro

#pragma once
// What the window tests share: a fresh data folder, the message and file
// dialog stand-ins, and a small draw history in the program's lists.
#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cstdlib>
#include <string>

#include "../engine/temp_ordner.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/formatierung.h"
#include "dateidialog_attrappe.h"
#include "nachrichten_attrappe.h"

namespace quintaro {

class UiUmgebung {
public:
    UiUmgebung() {
        setenv("QUINTARO_DATA_DIR", ordner.pfad().c_str(), 1);
        DatenPfadNeuBestimmen();
        Daten() = Datenbestand{};
    }
    ~UiUmgebung() {
        Daten() = Datenbestand{};
        unsetenv("QUINTARO_DATA_DIR");
        DatenPfadNeuBestimmen();
    }

    static TGewZahlen Ziehung(TDatum d, std::array<int, 6> gz, int zz) {
        TGewZahlen z;
        z.datum = d;
        for (int i = 0; i < 6; ++i) z.GZ[std::size_t(i + 1)] = std::uint8_t(gz[std::size_t(i)]);
        z.ZZ = std::uint8_t(zz);
        return z;
    }
    // The chooser items of the main window for the draws in the list.
    static QStringList Auswahl() {
        QStringList texte;
        for (const auto& z : Daten().GZListe) texte << QString::fromStdString(DatumText(z.datum));
        return texte;
    }
    std::filesystem::path datei(const std::string& name) const { return ordner.pfad() / name; }
    QString pfad(const std::string& name) const { return QString::fromStdString(datei(name).string()); }

    TempOrdner ordner;
    NachrichtenAttrappe nachrichten;
    DateidialogAttrappe dialoge;
};

}  // namespace quintaro

#pragma once
// The window test environment of the ticket windows: besides a fresh data
// folder and the message stand-in, the file dialog stand-in and a few helpers
// for draws and the main window's chooser items.
#include <QStringList>
#include <array>
#include <string>

#include "core/datum.h"
#include "dateidialog_attrappe.h"
#include "testumgebung.h"

namespace quintaro {

class Scheintestumgebung : public Testumgebung {
protected:
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
    QString pfad(std::string_view name) const { return QString::fromStdString(datei(name).string()); }

    DateidialogAttrappe dialoge;
};

}  // namespace quintaro

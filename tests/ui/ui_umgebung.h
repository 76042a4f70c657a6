#pragma once
// The window test environment of the ticket windows: besides a fresh data
// folder and the message stand-in, the file dialog stand-in and a few helpers
// for the main window's chooser items.
#include <QStringList>
#include <string>

#include "gemeinsam/testziehung.h"
#include "core/datum.h"
#include "dateidialog_attrappe.h"
#include "testumgebung.h"

namespace quintaro {

class Scheintestumgebung : public Testumgebung {
protected:
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

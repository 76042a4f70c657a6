#include "app/hilfetexte.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace quintaro {

const std::vector<Hilfeseite>& Hilfeseiten() {
    static const std::vector<Hilfeseite> seiten = {
        {1010, "Inhalt",
         "<p>Quintaro verwaltet alle Ziehungen von „6 aus 45“, wertet Ihre Tippscheine aus, berechnet Statistiken, "
         "erzeugt Zufallstipps und bietet voll- und teilgekürzte Lottosysteme an.</p>"
         "<p>Wählen Sie links ein Thema.</p>"},
        {1020, "Hauptfenster und Tippauswertung",
         "<p>Links sehen Sie alle gespeicherten Ziehungen. Wählen Sie oben einen Ziehungstag; die Zahlentafel zeigt "
         "dessen Gewinnzahlen (grün) und die Zusatzzahl (gelb). Mit <b>Ziehung hinzufügen</b> tragen Sie eine neue "
         "Ziehung ein: sechs Zahlen anklicken, dann die Zusatzzahl, dann <b>Speichern</b>. Eine gespeicherte Ziehung "
         "korrigieren Sie, indem Sie sie wählen, die Zahlen ändern und speichern.</p>"
         "<p>Rechts öffnen Sie Ihre Tippscheine (<b>Öffnen...</b>); jeder Schein bekommt eine Registerkarte, auf der "
         "Sie eine Ziehung oder einen Zeitraum auswerten.</p>"},
        {1030, "Normalschein eingeben", "<p>Geben Sie Tippreihen zu je sechs Zahlen ein und speichern Sie sie als Schein.</p>"},
        {1040, "Systemschein eingeben",
         "<p>Wählen Sie auf dem Scheinbild ein System, kreuzen Sie Bankzahlen und Systemzahlen an und speichern Sie den "
         "Schein.</p>"},
        {1050, "Statistik",
         "<p>Häufigkeiten, Ausbleiben, die häufigsten und seltensten Paare, Drillinge und Vierlinge sowie die Suche "
         "nach Zahlenkombinationen, für alle Ziehungen oder nur für Sonntag bzw. Mittwoch.</p>"},
        {1070, "Systemauswahl",
         "<p>Filtern Sie die Systeme nach Zahlenpool, Gewinngarantie, Tippreihen und Bankzahlen, wählen Sie Ihre Zahlen "
         "und bilden Sie die Tippreihen.</p>"},
        {1090, "Quoten", "<p>Tragen Sie die Gewinnquoten der Ziehungen ein; sie werden bei der Auswertung verwendet.</p>"},
        {1100, "Hilfsprogramme", "<p>n über k berechnen und Quoten aus kopiertem Text übernehmen.</p>"},
        {1120, "Update und Kalender", "<p>Ziehungen herunterladen, nach neuen Programmversionen suchen, Kalender.</p>"},
        {1130, "Zufallstipps", "<p>Zufällige Tippreihen mit Bankzahlen, Quotenkillern und Favoriten.</p>"},
    };
    return seiten;
}

const Hilfeseite& HilfeseiteZu(int kontext) {
    const auto& seiten = Hilfeseiten();
    const auto it = std::find_if(seiten.begin(), seiten.end(), [&](const Hilfeseite& s) { return s.kontext == kontext; });
    return it != seiten.end() ? *it : seiten.front();
}

std::vector<const Hilfeseite*> HilfeSuchen(std::string_view anfrage) {
    const auto klein = [](std::string_view s) {
        std::string r(s);
        std::transform(r.begin(), r.end(), r.begin(), [](unsigned char c) { return char(std::tolower(c)); });
        return r;
    };
    std::vector<std::string> woerter;
    std::string wort;
    for (char c : klein(anfrage) + " ") {
        if (c == ' ') {
            if (!wort.empty()) woerter.push_back(wort);
            wort.clear();
        } else {
            wort += c;
        }
    }
    std::vector<const Hilfeseite*> treffer;
    for (const auto& s : Hilfeseiten()) {
        const std::string inhalt = klein(s.titel) + " " + klein(s.text);
        if (std::all_of(woerter.begin(), woerter.end(), [&](const std::string& w) { return inhalt.find(w) != std::string::npos; }))
            treffer.push_back(&s);
    }
    return treffer;
}

}  // namespace quintaro

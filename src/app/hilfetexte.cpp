#include "app/hilfetexte.h"

#include <algorithm>
#include <string>

namespace quintaro {

// The pages link to each other with "hilfe:" followed by the context number.
const std::vector<Hilfeseite>& Hilfeseiten() {
    static const std::vector<Hilfeseite> seiten = {
        {1010, "Willkommen bei Quintaro", R"(
<p>Quintaro ist Ihr Begleiter für das Zahlenlotto „6 aus 45“. Das Programm</p>
<ul>
<li>verwaltet alle Ziehungen mit ihren sechs Gewinnzahlen und der Zusatzzahl (ZZ),</li>
<li>wertet Ihre Tippscheine für eine Ziehung oder einen ganzen Zeitraum aus und rechnet die Gewinne aus,</li>
<li>berechnet Statistiken über die Ziehungen: Häufigkeiten, Ausbleiben, häufige und seltene Paare, Drillinge und Vierlinge,</li>
<li>erzeugt Zufallstipps mit Bankzahlen, Quotenkillern und Favoriten,</li>
<li>bietet Voll- und Teilsysteme mit Gewinngarantie an und testet sie,</li>
<li>nimmt Normalscheine und die offiziellen Systemscheine auf,</li>
<li>bewahrt die echten Gewinnquoten jeder Ziehung ab 2019 auf.</li>
</ul>
<h3>Der Programmstart</h3>
<p>Beim Start zeigt das Startfenster das Programm und die Zahl der enthaltenen Systeme, während im Hintergrund die
Ziehungen, die Quoten und der Systemkatalog geladen werden. Sobald alles bereit ist, wird die Schaltfläche
<b>Weiter</b> aktiv; ein Klick darauf blendet zum <a href="hilfe:1020">Hauptfenster</a> über. Wird das Hauptfenster
geschlossen, endet das Programm.</p>
<h3>Die Fenster</h3>
<ul>
<li><a href="hilfe:1020">Hauptfenster und Tippauswertung</a></li>
<li><a href="hilfe:1030">Normalschein eingeben</a></li>
<li><a href="hilfe:1040">Systemschein eingeben</a></li>
<li><a href="hilfe:1050">Statistik</a></li>
<li><a href="hilfe:1070">Systemauswahl und Systemtest</a></li>
<li><a href="hilfe:1130">Zufallstipps</a></li>
<li><a href="hilfe:1090">Gewinnquoten</a> und das <a href="hilfe:1100">Quoten-Tool</a></li>
<li><a href="hilfe:1120">Download und Update</a></li>
<li><a href="hilfe:1110">n über k</a>, <a href="hilfe:1080">Kalender</a> und <a href="hilfe:1060">Programm-Info</a></li>
</ul>
<p>Das Hauptfenster und die großen Arbeitsfenster tragen oben dieselbe Werkzeugleiste, mit der Sie die anderen Fenster öffnen, den Taschenrechner
starten, diese Hilfe aufrufen und das Fenster schließen.</p>
<h3>Ihre Dateien</h3>
<p>Alle Dateien liegen in Ihrem Datenordner <b>~/.local/share/Quintaro</b>: die Ziehungen in „GZ.645“ (mit der
Sicherung „GZ.645.bak“), die Quoten in „Quo.645“, Ihre Einstellungen in „Einstellungen.ini“ und, sofern Sie nichts
anderes wählen, Ihre Tippscheine (Normalscheine „.nqtr“, Systemscheine „.sqtr“). Quintaro schreibt jede Datei
zuerst neben das Original und ersetzt sie erst, wenn sie vollständig ist; ein Absturz oder eine volle Festplatte
hinterlassen so keine halb geschriebene Datei.</p>
<h3>Die Hilfe benutzen</h3>
<p>Die Taste <b>F1</b> und die Hilfe-Schaltfläche eines Fensters öffnen dessen Hilfeseite. Über <b>Hilfe › In Hilfe
suchen...</b> im Hauptfenster geben Sie einen oder mehrere Begriffe in das Suchfeld ein: Links erscheinen alle Seiten,
die jeden Begriff enthalten, und die erste wird gleich angezeigt.</p>
)"},
        {1020, "Hauptfenster und Tippauswertung", R"(
<p>Das Hauptfenster hält links die Ziehungen und rechts die Auswertung Ihrer Tippscheine.</p>
<h3>Ziehungen ansehen</h3>
<p>Wählen Sie unter <b>Ziehung</b> einen Ziehungstag; daneben steht der Wochentag. Die Zahlentafel zeigt dessen
sechs Gewinnzahlen grün und die Zusatzzahl orange. Die Tabelle darunter listet alle Ziehungen, die neueste oben;
mit <b>Alle</b>, <b>So</b> und <b>Mi</b> sehen Sie alle Ziehungen oder nur die Sonntags- bzw. Mittwochsziehungen.
<b>Aktuelle Zahlen</b> öffnet die Ergebnisseite der Lotterie im Browser.</p>
<h3>Eine Ziehung eintragen oder berichtigen</h3>
<p><b>Ziehung hinzufügen</b> schlägt das Datum der nächsten Ziehung vor. Klicken Sie auf der Tafel die sechs
Gewinnzahlen an; die siebte angeklickte Zahl wird die Zusatzzahl. Ein zweiter Klick auf eine Zahl nimmt sie wieder
heraus, <b>Löschen</b> leert die Tafel. <b>Speichern</b> legt die Ziehung ab. Um eine gespeicherte Ziehung zu
berichtigen, wählen Sie sie aus, ändern die Zahlen und speichern.</p>
<h3>Tippscheine auswerten</h3>
<p><b>Öffnen...</b> liest einen oder mehrere Tippscheine ein, Normalscheine („.nqtr“) wie Systemscheine („.sqtr“);
jeder bekommt eine eigene Registerkarte. Ist <b>Datei-Auswahl merken und mit Programmstart einlesen</b> vor der
Auswahl angehakt, öffnet Quintaro dieselben Scheine beim nächsten Start wieder. Mit den Schaltflächen unter
<b>Tabs schließen</b> schließen Sie die gewählte oder alle Registerkarten.</p>
<p>Auf der Registerkarte wählen Sie die Ziehung („Für den bzw. vom“), für einen Zeitraum zusätzlich „zurück bis
zum“, und die Ziehungstage: <b>So. und Mi.</b>, <b>Sonntag</b> oder <b>Mittwoch</b>. <b>Start</b> zeigt für jede
Ziehung die Reihen mit Gewinn, die Zahl der Richtigen, die Gewinnklasse und den Gewinn, darunter die Gewinnsumme und
den Höchstgewinn mit seinem Datum. Ein Systemschein wird dafür in seine Tippreihen aufgelöst und als Scheinbild
gezeigt.</p>
<p>Gerechnet wird ab 2019 mit den echten Quoten der Ziehung, sofern Sie sie im Fenster
<a href="hilfe:1090">Quoten</a> eingetragen haben, sonst mit Standardquoten (mathematischen Mittelwerten). Vor dem
8. September 2010 gab es nur fünf Gewinnklassen; dafür gelten eigene Standardquoten.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Es fehlen jegliche Gewinnreihen. Soll ich deren Download gleich starten?</b> – Es sind noch keine Ziehungen
gespeichert. „Ja“ öffnet das Fenster <a href="hilfe:1120">Download und Update</a>.</li>
<li><b>Bitte geben Sie sechs Gewinnzahlen und die Zusatzzahl an.</b> – Beim Speichern fehlen Zahlen auf der Tafel.</li>
<li><b>Die mit dem Programmstart zu ladende Datei … wurde nicht gefunden.</b> – Ein gemerkter Tippschein wurde
verschoben oder gelöscht; er wird übergangen, die anderen werden geöffnet.</li>
<li><b>Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung</b> – Das Ende des Zeitraums liegt
vor seinem Anfang.</li>
<li><b>In dem für die Gewinnauswertung gewählten Zeitraum gibt es keine Sonntagsziehung</b> (bzw.
Mittwochsziehung) – Im Zeitraum liegt keine Ziehung des gewählten Tages.</li>
<li><b>Für den gewählten Tag sind noch keine Gewinnzahlen gespeichert.</b> – Die gewählte Ziehung ist erst
vorgeschlagen; speichern Sie sie zuerst.</li>
<li><b>Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.</b> – Der Rechner ist
offline; die Webseite kann nicht geöffnet werden.</li>
</ul>
)"},
        {1030, "Normalschein eingeben", R"(
<p>Hier stellen Sie einen Normalschein zusammen: eine Liste von Tippreihen aus je sechs verschiedenen Zahlen von 1
bis 45.</p>
<h3>Reihen eingeben</h3>
<p>Schreiben Sie die Zahlen einer Reihe durch Kommas getrennt und ohne Leerzeichen in das Textfeld, eine Reihe je
Zeile, zum Beispiel <b>2,7,12,22,38,41</b>. Sie können auch die 45 Zahlenknöpfe auf der Seite „Manuelle Eingabe“
anklicken: Nach sechs Zahlen beginnt automatisch eine neue Zeile. Text aus einer E-Mail, dessen Zeilen mit „Feld 1:“,
„Feld 2:“ usw. beginnen, dürfen Sie unverändert einfügen; die Feldbezeichnungen werden entfernt. Auf der Seite
„Datei einlesen“ holen Sie die Reihen eines vorhandenen Tippscheins, einer CSV-Datei oder einer Excel-Tabelle und
bringen sie mit <b>Ins Textfeld übertragen</b> in das Textfeld.</p>
<h3>Übertragen und speichern</h3>
<p><b>Reihen in Tabelle übertragen</b> prüft den Text, ordnet jede Reihe aufsteigend und schreibt sie in die
Tabelle. Unter „Beim Übertragen sollen...“ wählen Sie, ob vorhandene Einträge überschrieben oder die neuen Reihen
angehängt werden. Aus der Tabelle speichern Sie den Schein mit <b>Als Spielschein speichern...</b>, als CSV-Datei
oder als Excel-Tabelle. Die Schriftgröße des Textfelds stellen Sie unter „Schriftgröße“ ein.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Das Textfeld ist leer. Es gibt nichts zu übertragen.</b> – Schreiben oder fügen Sie zuerst Reihen ein.</li>
<li><b>Dienen die Leerzeichen der Trennung der Zahlen?</b> – Im Text stehen Leerzeichen. „Ja“ macht Kommas daraus,
„Nein“ löscht sie.</li>
<li><b>In Zeile … kann ich keine sechs Zahlen ausmachen.</b> – Die genannte Zeile hat mehr oder weniger als sechs
Zahlen.</li>
<li><b>Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 45 zu wählen.</b> – Eine Zahl ist keine gültige Tippzahl
oder steht doppelt in der Reihe.</li>
<li><b>Die Tabelle ist leer. Es gibt nichts zu speichern.</b> – Übertragen Sie zuerst Reihen in die Tabelle.</li>
</ul>
)"},
        {1040, "Systemschein eingeben", R"(
<p>Hier füllen Sie einen offiziellen Systemschein aus wie auf Papier: Das Scheinbild zeigt das Bankzahlenfeld (BANK),
das Feld der Wahlzahlen (WAHL) und die 48 Systemfelder von „007“ bis „540“.</p>
<h3>So geht's</h3>
<ol>
<li>Kreuzen Sie zuerst das System an. Oben steht dann, wie viele Bankzahlen und Wahlzahlen es verlangt.</li>
<li>Kreuzen Sie die Bankzahlen im Feld BANK und die Wahlzahlen im Feld WAHL an. Ein zweiter Klick nimmt ein Kreuz
wieder weg; eine Wahlzahl, die Sie im Feld BANK ankreuzen, wird zur Bankzahl und umgekehrt. Zahlen über den Bedarf
des Systems hinaus werden nicht angenommen.</li>
<li>Die Zähler „Bankzahlen gewählt“ und „Wahlzahlen gewählt“ werden grün, sobald es genau so viele sind, wie das
System verlangt, und rot, wenn es zu viele sind. Stimmen beide, wird <b>Spielschein speichern</b> aktiv.</li>
</ol>
<p>Beim System „540“ mit fünf Bankzahlen kreuzt Quintaro nach der fünften Bankzahl die übrigen 40 Zahlen selbst als
Wahlzahlen an. <b>Spielschein öffnen</b> zeigt einen gespeicherten Systemschein wieder an, <b>Alle Angaben löschen</b>
leert den Schein. Im <a href="hilfe:1020">Hauptfenster</a> werten Sie den Schein aus; dort wird er in seine
Tippreihen aufgelöst.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Bitte wählen Sie zuächst das System aus.</b> – Sie haben eine Zahl angekreuzt, bevor ein System gewählt war.</li>
</ul>
)"},
        {1050, "Statistik", R"(
<p>Das Statistikfenster zeigt nebeneinander drei Ansichten: links alle Ziehungen, in der Mitte die Sonntags- und
rechts die Mittwochsziehungen.</p>
<h3>Häufigkeiten</h3>
<p>Die Zahlentafel zeigt, wie oft jede Zahl im gewählten Zeitraum gezogen wurde. Den Zeitraum wählen Sie mit „von“
und „bis“ oder mit den Vorgaben „Die letzten X Ziehungen auswerten“. <b>Sortieren</b> ordnet die Zahlen nach ihrer
Häufigkeit. Die Tabelle „Wie oft sind Zahlen ausgeblieben“ nennt, seit wie vielen Ziehungen jede Zahl nicht mehr
gezogen wurde.</p>
<h3>Kombinationen</h3>
<p>Die Karten „2er Kombis“, „3er Kombis“ und „4er Kombis“ listen die häufigsten und seltensten Paare, Drillinge und
Vierlinge. Die Drillinge und Vierlinge starten Sie selbst, weil ihre Zählung etwas dauert; der Fortschrittsbalken
zeigt den Stand. Auf der Karte „Kombi-Suche“ klicken Sie zwei bis sechs Zahlen an; <b>Suche starten</b> listet unter
„Aufgetreten am“ jede Ziehung, in der alle diese Zahlen gezogen wurden. Die Trefferzahl erscheint grün, wenn es
Treffer gibt, sonst rot. Ist „Für Sonntag und Mittwoch übernehmen“ angehakt, gelten Auswahl und Suche der linken
Ansicht auch für die beiden anderen.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Für eine statistische Auswertung fehlen die Gewinnreihen. Soll ich den Downloadbereich öffnen?</b> – Es sind
keine Ziehungen gespeichert; „Ja“ öffnet <a href="hilfe:1120">Download und Update</a>.</li>
<li><b>Bitte Verbindung zum Internet bestehen.</b> – Ohne Ziehungen lassen sich keine Drillinge und Vierlinge zählen;
laden Sie zuerst die Ziehungen herunter.</li>
</ul>
)"},
        {1060, "Programm-Info", R"(
<p>Das Fenster <b>Programm-Info</b> (im Hauptfenster unter <b>Hilfe › Programm-Info</b>) zeigt die Version von
Quintaro und die Anschrift des Herstellers.</p>
<p>Ein Klick auf die unterstrichene E-Mail-Adresse startet Ihr E-Mail-Programm mit einer neuen Nachricht an den
Quintaro-Service; als Betreff ist „Quintaro“ schon eingetragen. Lässt sich kein E-Mail-Programm starten, sagt Ihnen
eine Meldung die Adresse, an die Sie selbst schreiben können.</p>
)"},
        {1070, "Systemauswahl und Systemtest", R"(
<p>Hier finden Sie ein Lottosystem, das zu Ihrem Zahlenpool, der gewünschten Gewinngarantie, Ihrem Budget und der
Zahl Ihrer Bankzahlen passt, belegen es mit Ihren Zahlen und bilden daraus die Tippreihen.</p>
<h3>Systeme filtern</h3>
<p>Stellen Sie links die Regler ein: <b>Größe Ihres Zahlenpools</b> (wie viele Zahlen Sie spielen, Bankzahlen
eingeschlossen), <b>Gewinngarantie</b> („mindestens“ oder „genau“), <b>Tippreihenanzahl</b> (etwa wie viele Reihen
Sie spielen wollen) und <b>Bankzahlen</b> („maximal“ oder „genau“). Ein Haken bei „egal“ lässt die Angabe außer
Acht, „Alles auf "egal"“ setzt ihn überall. <b>Filtern</b> listet die passenden Systeme; mit „nur Lottoschein-
Systeme“ nur die offiziellen, die in der Liste mit * markiert sind. Wählen Sie die volle Garantie mit genau
festgelegten Bankzahlen, entscheiden Sie sich für ein Vollsystem: dessen Reihenzahl steht fest, der Regler für die
Reihen verschwindet.</p>
<h3>Tippreihen bilden</h3>
<p>Klicken Sie in der Liste Ihr Wunschsystem an. Wählen Sie dann auf den 45 Zahlenkugeln zuerst die Wahlzahlen und
danach gegebenenfalls die Bankzahlen, oder lassen Sie mit <b>Zufallswahl</b> auslosen, auf Wunsch ohne Ihre
Quotenkiller (festgelegt unter <a href="hilfe:1130">Zufallstipps</a>). <b>Tippreihen bilden</b> füllt die Tabelle,
Bankzahlen sind hellgrün hinterlegt; <b>Verteilung anzeigen</b> zeigt, wie oft jede Zahl in den Reihen vorkommt. Die
Reihen speichern Sie als Spielschein, als CSV-Datei oder als Excel-Tabelle.</p>
<h3>Systemtest</h3>
<p>Die Karte <b>Tippreihen testen</b> („Zum Systemtest“) prüft das gewählte System selbst, unabhängig von Ihren
Zahlen und den bisherigen Ziehungen: Für jede mögliche Lage von 2, 3, 4, 5 oder 6 Treffern unter Ihren Wahlzahlen
sucht Quintaro die beste Reihe und zählt, wie oft am Ende 1, 2, … 6 Richtige in einer Reihe stehen, als Anzahl und in
Prozent. Grün ist ein Ergebnis, das in allen Fällen erreicht wird – das ist die Garantie des Systems. Die
„Rechenoperationen“ zeigen vorab, wie aufwendig der Test ist; der Test lässt sich mit „Test stoppen“ abbrechen.</p>
<p>Bankzahlen bleiben beim Test außen vor. Für jede getroffene Bankzahl denken Sie sich das Ergebnis um eine Zelle
nach unten und nach rechts verschoben. Beim System „540“ mit fünf Bankzahlen erklärt ein Bild das Ergebnis.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Es ist noch kein System gelistet.</b> – Filtern Sie zuerst oder lockern Sie die Filtereinstellungen.</li>
<li><b>Bitte wählen Sie links zunächst ein System aus.</b> – Zahlen lassen sich erst wählen, wenn ein System gewählt
ist; das gilt auch für den Systemtest.</li>
<li><b>Sie haben bereits … Zahlen gewählt.</b> / <b>… Bankzahlen gewählt.</b> – Das System verlangt nicht mehr
Zahlen.</li>
<li><b>Die Anzahl der Quotenkiller ist zu hoch.</b> – Ohne die Quotenkiller bleiben nicht genug Zahlen für die
Zufallswahl.</li>
<li><b>Es gibt nichts zu speichern.</b> – Bilden Sie zuerst die Tippreihen.</li>
</ul>
)"},
        {1080, "Kalender", R"(
<p>Der Kalender zeigt einen Monat; die Wochen beginnen am Sonntag, dem ersten Ziehungstag der Woche. Der heutige Tag
ist hervorgehoben. Mit den Pfeilen oben blättern Sie von Monat zu Monat, ein Klick auf Monat oder Jahr wählt sie
direkt.</p>
<p>Der Kalender bleibt über den anderen Fenstern. <b>Schließen</b> blendet ihn nur aus: Öffnen Sie ihn wieder, steht
er auf dem Monat, bei dem Sie ihn verlassen haben.</p>
)"},
        {1090, "Gewinnquoten", R"(
<p>Hier tragen Sie die echten Gewinnquoten der Ziehungen ab dem 2. Januar 2019 ein. Die
<a href="hilfe:1020">Tippauswertung</a> rechnet mit ihnen, sobald sie gespeichert sind; für jede Ziehung ohne echte
Quoten gelten die Standardquoten (mathematische Mittelwerte).</p>
<h3>Die Tabelle</h3>
<p>Jede Zeile ist eine Ziehung mit den Quoten ihrer acht Gewinnklassen von „6 Richtige“ bis „0 + ZZ“. Beim Öffnen
ergänzt Quintaro für jeden Sonntag und Mittwoch seit der letzten Zeile bis heute eine Zeile mit den Standardquoten und
speichert sofort; so hat jeder Ziehungstag eine Zeile. Gibt es noch keine Quoten, beginnt die Tabelle mit dem
2. Januar 2019.</p>
<h3>Quoten ersetzen</h3>
<ol>
<li>Tragen Sie die Quoten in die acht Felder unter den Klassen ein, etwa <b>1748907,28</b>. Die Felder nehmen nur
Ziffern und das Komma an. Felder, die leer bleiben, ändern nichts.</li>
<li>Wählen Sie unter <b>Ziehung</b> den Ziehungstag.</li>
<li>Klicken Sie auf <b>Ersetzen</b>: Die Zeile übernimmt die ausgefüllten Quoten.</li>
<li>Klicken Sie auf <b>Speichern</b>.</li>
</ol>
<p>Die Quoten einer Quotentabelle aus dem Internet überträgt Ihnen das <a href="hilfe:1100">Quoten-Tool</a> in die
acht Felder. Quintaro merkt sich, wo Sie das Fenster hinstellen.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Zeile … (Ziehung …): Die Quote für … ist kein gültiger Betrag.</b> – Ein Eintrag der genannten Zeile ist
keine Zahl, etwa „1,2,3“. Es wird nichts gespeichert, die Quotendatei bleibt, wie sie war. Berichtigen Sie die Quote
über die Felder und „Ersetzen“ und speichern Sie erneut.</li>
<li><b>… liegt außerhalb von 0 bis 1.000.000.000,00.</b> – So hoch ist kein Gewinn; vermutlich ist das Komma
vergessen.</li>
<li><b>Bitte wählen Sie unter "Ziehung" zuerst die Ziehung, deren Quoten ersetzt werden sollen.</b> – „Ersetzen“
weiß sonst nicht, welche Zeile es ändern soll.</li>
<li><b>Gegebenenfalls geänderte Quoten wurden noch nicht gespeichert. Wollen Sie die Änderungen jetzt speichern?</b>
– Sie schließen das Fenster nach „Ersetzen“ ohne zu speichern. „Ja“ speichert, „Nein“ verwirft die Änderungen,
„Abbrechen“ lässt das Fenster offen.</li>
<li><b>Die Quotendatei "Quo.645" ist beschädigt</b> – Einträge der Datei waren unbrauchbar und wurden übergangen;
die gültigen stehen in der Tabelle.</li>
</ul>
)"},
        {1100, "Quoten-Tool", R"(
<p>Das Quoten-Tool überträgt die Quoten einer Ziehung aus einer Quotentabelle, die Sie auf einer Webseite kopiert
haben, in die acht Felder des Fensters <a href="hilfe:1090">Gewinnquoten</a>. Sie öffnen es dort mit „Quoten-Tool“;
es erscheint rechts neben dem Quotenfenster und schließt sich mit ihm.</p>
<h3>So geht's</h3>
<ol>
<li><b>Quoten-Url aufrufen</b> öffnet die Quotenseite im Browser. Die Adresse können Sie im Feld darüber ändern und
mit <b>Speichern</b> rechts daneben behalten.</li>
<li>Markieren Sie auf der Webseite die Quotentabelle mit gedrückter linker Maustaste und kopieren Sie sie mit
[Strg] und c.</li>
<li>Klicken Sie auf <b>Zwischenablage einfügen</b>. <b>Textfeld löschen</b> leert das Feld wieder.</li>
<li>Klicken Sie auf <b>Quoten übertragen</b>. Wählen Sie danach im Quotenfenster die Ziehung und klicken Sie dort auf
„Ersetzen“ und „Speichern“.</li>
</ol>
<h3>Wie die Quoten gefunden werden</h3>
<p>Leere Zeilen werden entfernt und mehrere Leerzeichen zu einem. Hat der Text mehr als zwölf Zeilen und keine
Tabulatoren, liest das Tool ihn als Fließtext von unten nach oben: Die unterste Zeile, die mit „0“ oder „€“ endet,
ist die Quote für „0 + ZZ“, die nächste darüber die für „3 Ri.“ und so fort; zwischen zwei Quoten liegen mindestens
zwei andere Zeilen. Sonst steht jede Gewinnklasse in einer Zeile, von „6 Richtige“ oben bis „0 + ZZ“, und die Spalten
sind durch Tabulatoren getrennt: Stellen Sie mit dem Schieber <b>Spalte, in der die Quote steht</b> ein, die
wievielte Spalte die Quote enthält. Eine gut erkennbare Trennung der Spalten hilft.</p>
<p>Von jeder Quote bleiben nur die Ziffern und das Komma: „1.748.907,28 €“ wird zu 1748907,28, „Euro 4.56“ zu 4,56.
Ein Eintrag, der danach noch Buchstaben enthält, bleibt leer.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Das Textfeld ist leer. Es gibt nichts zu übertragen.</b> – Fügen Sie zuerst die kopierte Tabelle ein.</li>
<li><b>Die Zeile … des Textes hat keine Spalte …</b> – Die gewählte Spalte gibt es in dieser Zeile nicht. Die Felder
der Zeilen davor sind schon gefüllt; prüfen Sie die Spalte am Schieber.</li>
<li><b>Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen.</b> – Der Rechner ist offline.</li>
<li><b>Die Seite … konnte nicht geöffnet werden: Es ließ sich kein Webbrowser starten.</b> – Auf dem Rechner ist kein
Browser eingerichtet; rufen Sie die Seite selbst auf.</li>
<li><b>Die gegebenenfalls geänderte Quoten-Url wurde noch nicht gespeichert.</b> – Sie haben die Adresse geändert;
„Ja“ behält sie für das nächste Mal.</li>
</ul>
)"},
        {1110, "n über k", R"(
<p>Der Binomialkoeffizient <b>n über k</b> gibt an, wie viele Möglichkeiten es gibt, aus n Elementen eine Teilmenge
von k Elementen auszuwählen. Für „6 aus 45“ geben Sie 45 als n und 6 als k ein: Es gibt 8.145.060 verschiedene
Tippreihen, die Chance auf 6 Richtige mit einer Reihe ist also 1 zu 8.145.060.</p>
<p>Geben Sie n und k ein (je höchstens zwei Ziffern; andere Zeichen nimmt das Feld nicht an) und klicken Sie auf
<b>Berechnen</b> oder drücken Sie die Eingabetaste. Das Fenster bleibt über den anderen Fenstern.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Sie müssen für "n" und "k" eine Zahl größer Null eingeben.</b> – Ein Feld ist leer oder enthält 0.</li>
<li><b>Die Zahl für "n" muss größer als die für "k" sein.</b> – Aus n Elementen lassen sich nicht mehr als n
auswählen; n gleich k ist erlaubt und ergibt 1.</li>
<li><b>… ist größer als 9.223.372.036.854.775.807 und lässt sich hier nicht berechnen.</b> – Das Ergebnis, etwa
für 99 über 49, sprengt den Zahlenbereich des Rechners; statt einer falschen Zahl bleibt das Ergebnisfeld leer.</li>
</ul>
)"},
        {1120, "Download und Update", R"(
<p>Dieses Fenster bringt die Ziehungen auf den neuesten Stand und prüft, ob es eine neuere Version von Quintaro
gibt.</p>
<h3>Gewinnzahlen aktualisieren</h3>
<p>Unter „Gewinnzahlen-Aktualisierung“ sehen Sie für Sonntag und Mittwoch den Stand Ihrer gespeicherten Ziehungen
(„Stand hier“) und die letzte Ziehung, die es inzwischen geben muss („Aktuell“). Da erst um 20:00 Uhr gezogen wird,
gilt die Ziehung eines Tages erst ab dann als fällig. Weichen die Daten ab, wird <b>Download und Update der
Gewinnzahlen</b> aktiv; es lädt die vollständige Ziehungsdatei vom Server.</p>
<p>Die heruntergeladene Datei wird zuerst geprüft. Nur eine vollständige, gültige Datei ersetzt Ihre Ziehungen; die
bisherigen bleiben als „GZ.645.bak“ erhalten. Bricht die Verbindung ab oder ist die Datei fehlerhaft, bleiben Ihre
Ziehungen unverändert. Danach zeigen Hauptfenster und Statistik die neuen Ziehungen.</p>
<p>Ohne Verbindung zum Server können Sie die Ziehungen im Hauptfenster über <b>Datei › Gewinnzahlen
importieren...</b> aus einer CSV-Datei oder einer Excel-Tabelle übernehmen.</p>
<h3>Programm aktualisieren</h3>
<p><b>Prüfen</b> vergleicht die installierte mit der verfügbaren Version. Gibt es eine andere, wird
<b>Download</b> aktiv und lädt das Installationspaket in Ihren Datenordner. <b>Installation</b> übergibt es nach
Ihrer Bestätigung der Paketinstallation Ihres Systems.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Es fehlen jegliche Gewinnreihen. Soll ich deren Download gleich starten?</b> – Es sind noch keine Ziehungen
gespeichert.</li>
<li><b>Für die Aktualisierung muss eine Verbindung zum Internet bestehen.</b> – Der Rechner ist offline.</li>
<li><b>Die Aktualisierung hat leider nicht geklappt.</b> – Die Versionsangabe konnte nicht geladen werden.</li>
<li><b>Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.</b> – Der Server war nicht
erreichbar oder hat keine brauchbare Datei geliefert; Ihre Daten sind unverändert.</li>
</ul>
)"},
        {1130, "Zufallstipps", R"(
<p>Der manipulierbare Lottozahlen-Zufallsgenerator erzeugt so viele verschiedene Tippreihen, wie Sie wünschen. Den
Zufall lenken Sie auf drei Arten; jede Zahl kann nur eine dieser Rollen haben:</p>
<ul>
<li><b>Bankzahlen</b> stehen in jeder Reihe, höchstens fünf.</li>
<li><b>Quotenkiller</b> kommen in keiner Reihe vor. Das sind Zahlen, die viele Mitspieler tippen und die deshalb die
Quote drücken. Die Zufallswahl der <a href="hilfe:1070">Systemauswahl</a> kann sie ebenfalls auslassen.</li>
<li><b>Favoriten</b> werden doppelt so oft gezogen wie die anderen Zahlen.</li>
</ul>
<p>Geben Sie die gewünschte Anzahl Tippreihen ein, wählen Sie gegebenenfalls Bankzahlen, Quotenkiller und Favoriten,
dann klicken Sie auf <b>Viel Glück!</b>. Die Reihen erscheinen in der Tabelle, die „Verteilung der Tippzahlen“ zeigt,
wie oft jede Zahl vorkommt. Speichern Sie die Reihen als Spielschein, als CSV-Datei oder als Excel-Tabelle. Ihre
Auswahl merkt sich Quintaro bis zum nächsten Mal.</p>
<h3>Meldungen</h3>
<ul>
<li><b>Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.</b> – Eine sechste Bankzahl wird nicht angenommen.</li>
<li><b>Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.</b> – Es blieben sonst nicht genug
Zahlen für eine Reihe.</li>
<li><b>Ihre "Manipulationen" lassen dem Zufall keine Chance, … Tippreihen zu bilden.</b> – Mit den gewählten
Bankzahlen und Quotenkillern gibt es weniger verschiedene Reihen als gewünscht. Fünf Bankzahlen zum Beispiel
lassen nur 40 verschiedene Reihen zu.</li>
<li><b>Die Tabelle ist leer. Es gibt nichts zu speichern.</b> – Erzeugen Sie zuerst Reihen.</li>
</ul>
)"},
    };
    return seiten;
}

const Hilfeseite& HilfeseiteZu(int kontext) {
    const auto& seiten = Hilfeseiten();
    const auto it = std::find_if(seiten.begin(), seiten.end(), [&](const Hilfeseite& s) { return s.kontext == kontext; });
    return it != seiten.end() ? *it : seiten.front();
}

namespace {
// Lower case for ASCII and the letters of Latin-1 written in UTF-8 (Ä, Ö, Ü ...).
std::string Klein(std::string_view text) {
    std::string r(text);
    for (std::size_t i = 0; i < r.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(r[i]);
        if (c >= 'A' && c <= 'Z') {
            r[i] = char(c + 32);
        } else if (c == 0xC3 && i + 1 < r.size()) {
            const unsigned char d = static_cast<unsigned char>(r[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) r[i + 1] = char(d + 0x20);
            ++i;
        }
    }
    return r;
}

// The words a reader sees: tags left out.
std::string OhneTags(std::string_view html) {
    std::string text;
    bool imTag = false;
    for (char c : html) {
        if (c == '<') imTag = true;
        if (!imTag) text += c;
        if (c == '>') {
            imTag = false;
            text += ' ';
        }
    }
    return text;
}
}  // namespace

std::vector<const Hilfeseite*> HilfeSuchen(std::string_view anfrage) {
    std::vector<std::string> woerter;
    std::string wort;
    for (char c : Klein(anfrage) + " ") {
        if (c == ' ' || c == '\t') {
            if (!wort.empty()) woerter.push_back(wort);
            wort.clear();
        } else {
            wort += c;
        }
    }
    std::vector<const Hilfeseite*> treffer;
    for (const auto& s : Hilfeseiten()) {
        const std::string inhalt = Klein(s.titel) + " " + Klein(OhneTags(s.text));
        if (std::all_of(woerter.begin(), woerter.end(), [&](const std::string& w) { return inhalt.find(w) != std::string::npos; }))
            treffer.push_back(&s);
    }
    return treffer;
}

}  // namespace quintaro

// The spreadsheet service: the export hands a real workbook to the desktop's
// program (or offers to save it), the import reads the first worksheet of any
// workbook and refuses damaged files without touching the grid.
#include <gtest/gtest.h>

#include <QFile>
#include <array>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "app/mappe/mappendatei.h"
#include "app/ui/tabellendienst.h"
#include "core/fehler.h"
#include "dateidialog_attrappe.h"
#include "mappenbau.h"
#include "testumgebung.h"

namespace quintaro {

namespace {
TippTabelle Tipps(const std::vector<std::vector<std::string>>& reihen) {
    TippTabelle t;
    ReihenKopf(t);
    for (std::size_t i = 0; i < reihen.size(); ++i) {
        std::vector<std::string> zeile{std::to_string(i + 1)};
        zeile.insert(zeile.end(), reihen[i].begin(), reihen[i].end());
        t.push_back(zeile);
    }
    return t;
}

const TippTabelle kDreiReihen = Tipps({{"3", "11", "17", "28", "40", "45"},
                                       {"1", "2", "3", "4", "5", "6"},
                                       {"7", "19", "23", "31", "38", "44"}});

// Each row below the header as its cells joined by "|", the label first.
std::vector<std::string> Zeilen(const TippTabelle& t) {
    std::vector<std::string> zeilen;
    for (std::size_t r = 1; r < t.size(); ++r) {
        std::string z;
        for (std::size_t c = 0; c < t[r].size(); ++c) z += (c ? "|" : "") + t[r][c];
        zeilen.push_back(z);
    }
    return zeilen;
}

// A readable test name from a case's description.
template <typename Fall>
std::string Fallname(const ::testing::TestParamInfo<Fall>& info) {
    std::string name;
    for (const char* c = info.param.was; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
        else if (!name.empty() && name.back() != '_') name += '_';
    return name;
}

const QString kExcelFehlt = QStringLiteral(
    "Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\n\nIch breche ab.");
}  // namespace

class Tabellendienst : public Testumgebung {
protected:
    void SetUp() override {
        Testumgebung::SetUp();
        SetzeMappenoeffner([this](const QString& datei) {
            geoeffnet.push_back(datei);
            return programmDa;
        });
    }
    void TearDown() override {
        SetzeMappenoeffner({});
        for (const QString& d : geoeffnet) QFile::remove(d);
        Testumgebung::TearDown();
    }
    QString pfad(std::string_view name) const { return QString::fromStdString(datei(name).string()); }

    DateidialogAttrappe dialoge;
    bool programmDa = true;
    std::vector<QString> geoeffnet;
};

TEST_F(Tabellendienst, ExportHandsTheProgramOneNamedSheetWithTheRowsAsNumbers) {
    // A grid of 3 tip rows (row count 4, column count 7): A1..F3 hold the numbers,
    // column G and row 4 stay empty.
    TabelleExportieren(nullptr, kDreiReihen, QStringLiteral("Tippreihen aus System"));
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_TRUE(geoeffnet[0].endsWith(QLatin1String(".xlsx")));
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_TRUE(dialoge.fragen.empty());

    const Tabellenblatt blatt = MappeLesen(geoeffnet[0].toStdString());
    EXPECT_EQ(blatt.name, "Tippreihen aus System");
    ASSERT_EQ(blatt.zellen.size(), 3u);
    for (std::size_t r = 0; r < 3; ++r)
        EXPECT_EQ(blatt.zellen[r], std::vector<std::string>(kDreiReihen[r + 1].begin() + 1, kDreiReihen[r + 1].end()));

    const QByteArray xml = ZipTeil(geoeffnet[0], QStringLiteral("xl/worksheets/sheet1.xml"));
    EXPECT_TRUE(xml.contains("<dimension ref=\"A1:F3\"/>")) << xml.toStdString();
    EXPECT_FALSE(xml.contains("t=\"s\"")) << "numbers must not arrive as texts";
    EXPECT_TRUE(xml.contains("<c r=\"F1\"><v>45</v></c>")) << xml.toStdString();
    EXPECT_TRUE(xml.contains("<col min=\"6\" max=\"6\" width=\"3.7109375\" customWidth=\"1\"/>"))
        << "column F fitted to two digits";
}

TEST_F(Tabellendienst, ExportedRowsReadBackAsTheSameGrid) {
    TippTabelle tabelle = kDreiReihen;
    tabelle.push_back({"4", "9", "", "x y", "12", "13", "14"});  // an empty cell and a text
    TabelleExportieren(nullptr, tabelle, QStringLiteral("Tippreihen"));
    ASSERT_EQ(geoeffnet.size(), 1u);

    TippTabelle zurueck;
    ReihenKopf(zurueck);
    ASSERT_TRUE(TabelleImportieren(nullptr, zurueck, geoeffnet[0]));
    EXPECT_EQ(zurueck, tabelle);
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(Tabellendienst, WithoutAProgramTheWorkbookIsOfferedForSaving) {
    programmDa = false;
    dialoge.antworten = {{pfad("reihen.xlsx")}};
    TabelleExportieren(nullptr, kDreiReihen, QStringLiteral("Tippreihen"));

    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Frage);
    ASSERT_EQ(dialoge.fragen.size(), 1u);
    EXPECT_EQ(dialoge.fragen[0].endung, QStringLiteral("xlsx"));
    ASSERT_EQ(geoeffnet.size(), 1u);
    EXPECT_FALSE(QFile::exists(geoeffnet[0])) << "the copy nobody opened is removed";

    TippTabelle zurueck;
    ReihenKopf(zurueck);
    ASSERT_TRUE(TabelleImportieren(nullptr, zurueck, pfad("reihen.xlsx")));
    EXPECT_EQ(zurueck, kDreiReihen);
}

TEST_F(Tabellendienst, AFailedSaveNamesTheFileAndAsksAgain) {
    programmDa = false;
    dialoge.antworten = {{pfad("fehlt/reihen.xlsx")}, {pfad("reihen.xlsx")}};
    TabelleExportieren(nullptr, kDreiReihen, QStringLiteral("Tippreihen"));

    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_EQ(nachrichten.meldungen[1].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[1].text.contains(QLatin1String("\"reihen.xlsx\"")));
    EXPECT_EQ(dialoge.fragen.size(), 2u);
    EXPECT_TRUE(QFile::exists(pfad("reihen.xlsx")));
}

TEST_F(Tabellendienst, WhenNeitherOpeningNorSavingWorksTheExportGivesUp) {
    for (const bool ablehnen : {true, false}) {
        SCOPED_TRACE(ablehnen ? "declined" : "dialog cancelled");
        nachrichten.meldungen.clear();
        programmDa = false;
        if (ablehnen) nachrichten.antworten = {Nachrichtendienst::Antwort::Nein};
        dialoge.antworten = {{}};
        TabelleExportieren(nullptr, kDreiReihen, QStringLiteral("Tippreihen"));
        ASSERT_EQ(nachrichten.meldungen.size(), 2u);
        EXPECT_EQ(nachrichten.meldungen[1].art, NachrichtenAttrappe::Art::Information);
        EXPECT_EQ(nachrichten.meldungen[1].text, kExcelFehlt);
    }
    EXPECT_EQ(dialoge.fragen.size(), 1u);
}

struct Importfall {
    const char* was;
    QByteArray sheetData;
    QByteArray texte;
    std::vector<std::string> zeilen;
};

void PrintTo(const Importfall& fall, std::ostream* aus) { *aus << fall.was; }

class MappenImport : public Tabellendienst, public ::testing::WithParamInterface<Importfall> {};

TEST_P(MappenImport, FillsTheGridFromA1ToTheLastUsedCell) {
    const Importfall& fall = GetParam();
    ZipSchreiben(pfad("import.xlsx"), Mappe(fall.sheetData, fall.texte));
    TippTabelle tabelle = kDreiReihen;
    ASSERT_TRUE(TabelleImportieren(nullptr, tabelle, pfad("import.xlsx")));
    EXPECT_EQ(tabelle[0], kDreiReihen[0]) << "header untouched";
    EXPECT_EQ(Zeilen(tabelle), fall.zeilen);
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Blaetter, MappenImport,
    ::testing::Values(
        Importfall{"shared, rich and inline strings, numbers, formulas' cached values, booleans",
                   "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"><v>7</v></c>"
                   "<c r=\"C1\" t=\"inlineStr\"><is><t>inline</t></is></c><c r=\"D1\"><f>B1*2</f><v>14</v></c>"
                   "<c r=\"E1\" t=\"str\"><f>\"a\"&amp;\"b\"</f><v>ab</v></c><c r=\"F1\" t=\"b\"><v>1</v></c></row>"
                   "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>1</v></c><c r=\"B2\"><v>2.5</v></c>"
                   "<c r=\"C2\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c></row>",
                   "<si><t>Tipp</t></si><si><r><t>Rei</t></r><r><rPr><b/></rPr><t>he</t></r>"
                   "<rPh sb=\"0\" eb=\"1\"><t>x</t></rPh></si>",
                   {"1|Tipp|7|inline|14|ab|WAHR", "2|Reihe|2,5|#DIV/0!|||"}},
        Importfall{"a used area that does not start at A1",
                   "<row r=\"3\"><c r=\"C3\"><v>5</v></c></row><row r=\"4\"><c r=\"D4\"><v>6</v></c></row>",
                   {},
                   {"1||||", "2||||", "3|||5|", "4||||6"}},
        Importfall{"a used area ending at F10, formatted empty cells and a formula without value not counted",
                   "<row r=\"1\"><c r=\"A1\"><v>1</v></c><c r=\"B1\" s=\"1\"/></row>"
                   "<row r=\"10\"><c r=\"F10\"><v>45</v></c><c r=\"H10\"><f>A1</f></c></row>"
                   "<row r=\"12\"><c r=\"A12\" s=\"2\"/></row>",
                   {},
                   {"1|1|||||", "2||||||", "3||||||", "4||||||", "5||||||", "6||||||", "7||||||", "8||||||",
                    "9||||||", "10||||||45"}},
        Importfall{"cells and rows without addresses follow their predecessors",
                   "<row><c><v>1</v></c><c><v>2</v></c></row><row><c t=\"inlineStr\"><is><t>3</t></is></c></row>",
                   {},
                   {"1|1|2", "2|3|"}},
        Importfall{"an empty sheet gives no rows", "", {}, {}}),
    Fallname<Importfall>);

TEST_F(Tabellendienst, TheFirstWorksheetIsTheFirstInTheWorkbookNotAChartOrThePartName) {
    Mappenteile teile = Mappe("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    teile["xl/workbook.xml"] = "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                               "xmlns:r=\"" + rel + "\"><sheets><sheet name=\"Diagramm\" sheetId=\"3\" r:id=\"rId3\"/>"
                               "<sheet name=\"Vorn\" sheetId=\"2\" r:id=\"rId4\"/>"
                               "<sheet name=\"Hinten\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    teile["xl/_rels/workbook.xml.rels"] =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"" + rel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"" + rel + "/chartsheet\" Target=\"chartsheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId4\" Type=\"" + rel + "/worksheet\" Target=\"/xl/worksheets/../worksheets/sheet2.xml\"/>"
        "</Relationships>";
    teile["xl/chartsheets/sheet1.xml"] = "<chartsheet/>";
    teile["xl/worksheets/sheet2.xml"] =
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
        "<row r=\"1\"><c r=\"B1\"><v>2</v></c></row></sheetData></worksheet>";
    ZipSchreiben(pfad("reihenfolge.xlsx"), teile);

    const Tabellenblatt blatt = MappeLesen(datei("reihenfolge.xlsx"));
    EXPECT_EQ(blatt.name, "Vorn");
    EXPECT_EQ(blatt.zellen, (std::vector<std::vector<std::string>>{{"", "2"}}));
}

struct Schadensfall {
    const char* was;
    std::function<void(const QString& datei)> anlegen;
    const char* grund;  // part of the message
};

void PrintTo(const Schadensfall& fall, std::ostream* aus) { *aus << fall.was; }

class BeschaedigteMappe : public Tabellendienst, public ::testing::WithParamInterface<Schadensfall> {};

TEST_P(BeschaedigteMappe, IsRefusedWithTheFileNamedAndTheGridUnchanged) {
    const QString datei = pfad("kaputt.xlsx");
    GetParam().anlegen(datei);
    TippTabelle tabelle = kDreiReihen;
    EXPECT_FALSE(TabelleImportieren(nullptr, tabelle, datei));
    EXPECT_EQ(tabelle, kDreiReihen);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains(QLatin1String("\"kaputt.xlsx\""))) << nachrichten.meldungen[0].text.toStdString();
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains(QString::fromUtf8(GetParam().grund)))
        << nachrichten.meldungen[0].text.toStdString();
}

void TextSchreiben(const QString& datei, const QByteArray& text) {
    QFile f(datei);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
}

INSTANTIATE_TEST_SUITE_P(
    Dateien, BeschaedigteMappe,
    ::testing::Values(
        Schadensfall{"missing", [](const QString&) {}, "kann nicht gelesen werden"},
        Schadensfall{"ticket text, not a zip", [](const QString& d) { TextSchreiben(d, "3,11,17,28,40,45\r\n"); },
                     "kein ZIP-Archiv"},
        Schadensfall{"zip without a workbook",
                     [](const QString& d) { ZipSchreiben(d, {{"liesmich.txt", "Hallo"}}); }, "kein Arbeitsblatt"},
        Schadensfall{"workbook naming a missing worksheet",
                     [](const QString& d) {
                         Mappenteile t = Mappe("");
                         t.erase("xl/worksheets/sheet1.xml");
                         ZipSchreiben(d, t);
                     },
                     "\"xl/worksheets/sheet1.xml\" fehlt"},
        Schadensfall{"broken XML",
                     [](const QString& d) { ZipSchreiben(d, Mappe("<row r=\"1\"><c r=\"A1\"><v>1</v></row>")); },
                     "kein gültiges XML"},
        Schadensfall{"shared string index beyond the list",
                     [](const QString& d) {
                         ZipSchreiben(d, Mappe("<row r=\"1\"><c r=\"B2\" t=\"s\"><v>1</v></c></row>", "<si><t>a</t></si>"));
                     },
                     "Die Zelle B2 verweist"},
        Schadensfall{"cell address outside a worksheet",
                     [](const QString& d) { ZipSchreiben(d, Mappe("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>")); },
                     "ungültige Zelle \"XFE1\""},
        Schadensfall{"one cell far away makes a block too large to hold",
                     [](const QString& d) {
                         ZipSchreiben(d, Mappe("<row r=\"1048576\"><c r=\"XFD1048576\"><v>1</v></c></row>"));
                     },
                     "A1:XFD1048576 ist zu groß"}),
    Fallname<Schadensfall>);

TEST_F(Tabellendienst, APartLargerThanTheCapIsRefusedBeforeItIsHeld) {
    // Blanks compress to almost nothing: the archive stays tiny, the part does not.
    const QByteArray fuellung(1 << 20, ' ');
    ZipSchreiben(pfad("bombe.xlsx"), Mappe("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>" + fuellung));
    ASSERT_LT(QFile(pfad("bombe.xlsx")).size(), 64 << 10);
    try {
        MappeLesen(datei("bombe.xlsx"), 64 << 10);
        FAIL() << "the part is larger than the cap";
    } catch (const DateiFehler& e) {
        EXPECT_NE(std::string(e.what()).find("\"xl/worksheets/sheet1.xml\" ist entpackt größer als 65.536 Byte"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(MappeLesen(datei("bombe.xlsx")).zellen.size(), 1u) << "under the usual cap the same file reads";
}

}  // namespace quintaro

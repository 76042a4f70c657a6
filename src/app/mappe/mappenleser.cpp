// Reading the first worksheet of a workbook: the package's relationships lead
// to the workbook part, its sheet list and relationships to the first
// worksheet and the shared strings. Every part is unpacked with a size cap and
// every cell address is checked before the block is built.
#include <minizip/unzip.h>

#include <QByteArray>
#include <QDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>

#include "app/mappe/mappendatei.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "core/formatierung.h"

namespace quintaro {

namespace {
const QString kBeziehungenNs = QStringLiteral("relationships");

struct Beziehung {
    QString typ;
    QString ziel;  // path inside the package
};

struct Eintrag {
    int zeile, spalte;  // 1-based
    std::string text;
};

std::string Text(const QString& s) { return s.toStdString(); }

// minizip reads the archive from memory through these functions.
struct Speicherstrom {
    const Bytes* daten;
    std::uint64_t stelle = 0;
};
voidpf StromOeffnen(voidpf strom, const void*, int) { return strom; }
uLong StromLesen(voidpf, voidpf strom, void* ziel, uLong laenge) {
    auto& s = *static_cast<Speicherstrom*>(strom);
    const std::uint64_t n = std::min<std::uint64_t>(laenge, s.daten->size() - s.stelle);
    std::copy_n(s.daten->data() + s.stelle, n, static_cast<std::uint8_t*>(ziel));
    s.stelle += n;
    return uLong(n);
}
uLong StromSchreiben(voidpf, voidpf, const void*, uLong) { return 0; }
ZPOS64_T StromStelle(voidpf, voidpf strom) { return static_cast<Speicherstrom*>(strom)->stelle; }
long StromSuchen(voidpf, voidpf strom, ZPOS64_T abstand, int bezug) {
    auto& s = *static_cast<Speicherstrom*>(strom);
    const std::uint64_t basis = bezug == ZLIB_FILEFUNC_SEEK_CUR ? s.stelle
                                : bezug == ZLIB_FILEFUNC_SEEK_END ? s.daten->size()
                                                                  : 0;
    if (abstand > s.daten->size() || basis > s.daten->size() - abstand) return -1;
    s.stelle = basis + abstand;
    return 0;
}
int StromSchliessen(voidpf, voidpf) { return 0; }
int StromFehler(voidpf, voidpf) { return 0; }

class Mappenleser {
public:
    Mappenleser(const std::filesystem::path& datei, std::int64_t teilGrenze) : datei_(datei), grenze_(teilGrenze) {
        if (DateiGroesse(datei) > grenze_) Abbruch("Sie ist größer als " + ZahlMitTausendern(grenze_) + " Byte.");
        inhalt_ = LiesDatei(datei);
        strom_.daten = &inhalt_;
        zlib_filefunc64_def funktionen{StromOeffnen, StromLesen,      StromSchreiben, StromStelle,
                                       StromSuchen,  StromSchliessen, StromFehler,    &strom_};
        zip_ = unzOpen2_64(nullptr, &funktionen);
        if (!zip_) Abbruch("Sie ist kein ZIP-Archiv, wie es eine .xlsx-Datei ist.");
    }
    ~Mappenleser() { unzClose(zip_); }
    Mappenleser(const Mappenleser&) = delete;
    Mappenleser& operator=(const Mappenleser&) = delete;

    Tabellenblatt Lesen() {
        const QString mappe = Hauptteil();
        const std::map<QString, Beziehung> beziehungen = Beziehungen(mappe);
        const auto [blattName, blattTeil] = ErstesArbeitsblatt(mappe, beziehungen);
        for (const auto& [id, b] : beziehungen)
            if (b.typ.endsWith(QLatin1String("/sharedStrings"))) texte_ = GemeinsameTexte(b.ziel);
        Tabellenblatt blatt = Zellen(blattTeil);
        blatt.name = Text(blattName);
        return blatt;
    }

private:
    [[noreturn]] void Abbruch(const std::string& grund) const {
        throw DateiFehler("Die Datei \"" + DateiName(datei_) + "\" ist keine lesbare Arbeitsmappe: " + grund);
    }
    [[noreturn]] void XmlFehler(const QString& teil, const QXmlStreamReader& xml) const {
        Abbruch("Der Teil \"" + Text(teil) + "\" ist kein gültiges XML (Zeile " + std::to_string(xml.lineNumber()) +
                ", Spalte " + std::to_string(xml.columnNumber()) + ").");
    }

    // The unpacked part, nothing when the package has no such part.
    std::optional<QByteArray> Teil(const QString& name) {
        if (unzLocateFile(zip_, name.toUtf8().constData(), 1) != UNZ_OK) return std::nullopt;
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip_, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) Unlesbar(name);
        if (std::int64_t(info.uncompressed_size) > grenze_) ZuGross(name);
        if (unzOpenCurrentFile(zip_) != UNZ_OK) Unlesbar(name);
        // The size in the directory may lie: the cap holds for what actually unpacks.
        QByteArray daten;
        char stueck[65536];
        int n = 0;
        while ((n = unzReadCurrentFile(zip_, stueck, sizeof stueck)) > 0) {
            if (daten.size() + n > grenze_) {
                unzCloseCurrentFile(zip_);
                ZuGross(name);
            }
            daten.append(stueck, n);
        }
        if (unzCloseCurrentFile(zip_) != UNZ_OK || n < 0) Unlesbar(name);
        return daten;
    }
    QByteArray PflichtTeil(const QString& name) {
        auto daten = Teil(name);
        if (!daten) Abbruch("Der Teil \"" + Text(name) + "\" fehlt.");
        return *std::move(daten);
    }
    [[noreturn]] void ZuGross(const QString& name) const {
        Abbruch("Der Teil \"" + Text(name) + "\" ist entpackt größer als " + ZahlMitTausendern(grenze_) + " Byte.");
    }
    [[noreturn]] void Unlesbar(const QString& name) const {
        Abbruch("Der Teil \"" + Text(name) + "\" lässt sich nicht entpacken.");
    }

    // A relationship target relative to the folder of the part that names it.
    static QString Aufgeloest(const QString& ordner, const QString& ziel) {
        const QString pfad = ziel.startsWith(QLatin1Char('/')) ? ziel : ordner + ziel;
        QString sauber = QDir::cleanPath(pfad);
        while (sauber.startsWith(QLatin1Char('/'))) sauber.remove(0, 1);
        return sauber;
    }
    static QString Ordner(const QString& teil) {
        const qsizetype schnitt = teil.lastIndexOf(QLatin1Char('/'));
        return schnitt < 0 ? QString() : teil.left(schnitt + 1);
    }

    // The relationships of a part ("" for the package), by id.
    std::map<QString, Beziehung> Beziehungen(const QString& teil) {
        const QString ordner = Ordner(teil);
        const QString name = ordner + QStringLiteral("_rels/") + teil.mid(ordner.size()) + QStringLiteral(".rels");
        std::map<QString, Beziehung> beziehungen;
        const auto daten = Teil(name);
        if (!daten) return beziehungen;
        QXmlStreamReader xml(*daten);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("Relationship"))
                continue;
            const auto a = xml.attributes();
            if (a.value(QLatin1String("TargetMode")) == QLatin1String("External")) continue;
            beziehungen[a.value(QLatin1String("Id")).toString()] = {
                a.value(QLatin1String("Type")).toString(), Aufgeloest(ordner, a.value(QLatin1String("Target")).toString())};
        }
        if (xml.hasError()) XmlFehler(name, xml);
        return beziehungen;
    }

    QString Hauptteil() {
        for (const auto& [id, b] : Beziehungen(QString()))
            if (b.typ.endsWith(QLatin1String("/officeDocument"))) return b.ziel;
        return QStringLiteral("xl/workbook.xml");
    }

    // Name and part of the first sheet in the workbook's order that is a worksheet (not a chart sheet).
    std::pair<QString, QString> ErstesArbeitsblatt(const QString& mappe, const std::map<QString, Beziehung>& beziehungen) {
        const auto daten = Teil(mappe);
        if (!daten) Abbruch("Sie enthält kein Arbeitsblatt.");
        QXmlStreamReader xml(*daten);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("sheet")) continue;
            QString id;
            for (const auto& a : xml.attributes())
                if (a.name() == QLatin1String("id") && a.namespaceUri().contains(kBeziehungenNs)) id = a.value().toString();
            const auto b = beziehungen.find(id);
            if (b != beziehungen.end() && b->second.typ.endsWith(QLatin1String("/worksheet")))
                return {xml.attributes().value(QLatin1String("name")).toString(), b->second.ziel};
        }
        if (xml.hasError()) XmlFehler(mappe, xml);
        Abbruch("Sie enthält kein Arbeitsblatt.");
    }

    // The text of the current <si> or <is> element: its <t> pieces, without phonetic runs.
    static QString ElementText(QXmlStreamReader& xml) {
        QString text;
        int tiefe = 1;
        while (tiefe > 0 && !xml.atEnd()) {
            switch (xml.readNext()) {
                case QXmlStreamReader::StartElement:
                    if (xml.name() == QLatin1String("rPh") || xml.name() == QLatin1String("phoneticPr"))
                        xml.skipCurrentElement();
                    else if (xml.name() == QLatin1String("t"))
                        text += xml.readElementText();
                    else
                        ++tiefe;
                    break;
                case QXmlStreamReader::EndElement: --tiefe; break;
                default: break;
            }
        }
        return text;
    }

    std::vector<std::string> GemeinsameTexte(const QString& teil) {
        std::vector<std::string> texte;
        const auto daten = Teil(teil);
        if (!daten) return texte;
        QXmlStreamReader xml(*daten);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("si"))
                texte.push_back(Text(ElementText(xml)));
        }
        if (xml.hasError()) XmlFehler(teil, xml);
        return texte;
    }

    // The text a cell shows, from its type and its value or inline string.
    std::string Zellwert(const QString& typ, const QString& wert, const QString& inline_, int zeile, int spalte) {
        if (typ == QLatin1String("inlineStr")) return Text(inline_);
        if (typ == QLatin1String("s")) {
            std::size_t index = 0;
            const std::string v = Text(wert.trimmed());
            const auto [ende, f] = std::from_chars(v.data(), v.data() + v.size(), index);
            if (f != std::errc{} || ende != v.data() + v.size() || index >= texte_.size())
                Abbruch("Die Zelle " + ZellName(spalte, zeile) + " verweist auf einen Text, den die Mappe nicht enthält.");
            return texte_[index];
        }
        if (typ == QLatin1String("b")) return wert.trimmed() == QLatin1String("1") ? "WAHR" : "FALSCH";
        if (typ.isEmpty() || typ == QLatin1String("n")) {
            const std::string v = Text(wert.trimmed());
            double zahl = 0;
            const auto [ende, f] = std::from_chars(v.data(), v.data() + v.size(), zahl);
            if (f == std::errc{} && ende == v.data() + v.size()) return ZellzahlText(zahl);
        }
        return Text(wert);  // formula texts ("str"), errors ("e"), dates ("d")
    }

    Tabellenblatt Zellen(const QString& teil) {
        const QByteArray daten = PflichtTeil(teil);
        QXmlStreamReader xml(daten);
        std::vector<Eintrag> eintraege;
        int zeile = 0, spalte = 0, letzteZeile = 0, letzteSpalte = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("row")) {
                const auto r = xml.attributes().value(QLatin1String("r"));
                int nummer = zeile + 1;
                if (!r.isEmpty()) {
                    std::string erste = "A";
                    erste += Text(r.toString());
                    const auto a = ZellnameLesen(erste);
                    if (!a) Abbruch("Der Teil \"" + Text(teil) + "\" nennt eine ungültige Zeile \"" + Text(r.toString()) + "\".");
                    nummer = a->zeile;
                }
                if (nummer > MaxBlattZeilen) Abbruch("Der Teil \"" + Text(teil) + "\" hat zu viele Zeilen.");
                zeile = nummer;
                spalte = 0;
            } else if (xml.name() == QLatin1String("c")) {
                const auto attribute = xml.attributes();
                const QString ref = attribute.value(QLatin1String("r")).toString();
                if (!ref.isEmpty()) {
                    const auto a = ZellnameLesen(Text(ref));
                    if (!a) Abbruch("Der Teil \"" + Text(teil) + "\" nennt eine ungültige Zelle \"" + Text(ref) + "\".");
                    zeile = a->zeile;
                    spalte = a->spalte;
                } else {
                    zeile = std::max(zeile, 1);
                    if (++spalte > MaxBlattSpalten) Abbruch("Der Teil \"" + Text(teil) + "\" hat zu viele Spalten.");
                }
                const QString typ = attribute.value(QLatin1String("t")).toString();
                QString wert, inlineText;
                bool hatWert = false;
                while (xml.readNextStartElement()) {
                    if (xml.name() == QLatin1String("v")) {
                        wert = xml.readElementText();
                        hatWert = true;
                    } else if (xml.name() == QLatin1String("is")) {
                        inlineText = ElementText(xml);
                        hatWert = true;
                    } else {
                        xml.skipCurrentElement();  // the formula itself; its cached value is <v>
                    }
                }
                if (!hatWert) continue;
                std::string text = Zellwert(typ, wert, inlineText, zeile, spalte);
                if (text.empty()) continue;
                letzteZeile = std::max(letzteZeile, zeile);
                letzteSpalte = std::max(letzteSpalte, spalte);
                if (std::int64_t(letzteZeile) * letzteSpalte > MappenZellenGrenze)
                    Abbruch("Der benutzte Bereich A1:" + ZellName(letzteSpalte, letzteZeile) +
                            " ist zu groß für eine Tabelle.");
                eintraege.push_back({zeile, spalte, std::move(text)});
            }
        }
        if (xml.hasError()) XmlFehler(teil, xml);

        Tabellenblatt blatt;
        blatt.zellen.assign(std::size_t(letzteZeile), std::vector<std::string>(std::size_t(letzteSpalte)));
        for (auto& e : eintraege) blatt.zellen[std::size_t(e.zeile - 1)][std::size_t(e.spalte - 1)] = std::move(e.text);
        return blatt;
    }

    std::filesystem::path datei_;
    std::int64_t grenze_;
    Bytes inhalt_;
    Speicherstrom strom_;
    unzFile zip_ = nullptr;
    std::vector<std::string> texte_;
};
}  // namespace

Tabellenblatt MappeLesen(const std::filesystem::path& datei, std::int64_t teilGrenze) {
    return Mappenleser(datei, teilGrenze).Lesen();
}

}  // namespace quintaro

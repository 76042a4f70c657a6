#pragma once
// Workbooks built part by part with minizip for the import tests (libxlsxwriter
// only ever writes plain ones), and a look at one part of a written workbook.
#include <gtest/gtest.h>

#include <minizip/unzip.h>
#include <minizip/zip.h>

#include <QByteArray>
#include <QString>
#include <map>

namespace quintaro {

using Mappenteile = std::map<QString, QByteArray>;

inline void ZipSchreiben(const QString& datei, const Mappenteile& teile) {
    zipFile zip = zipOpen64(datei.toUtf8().constData(), APPEND_STATUS_CREATE);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, inhalt] : teile) {
        ASSERT_EQ(zipOpenNewFileInZip64(zip, name.toUtf8().constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                        Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
                  ZIP_OK);
        ASSERT_EQ(zipWriteInFileInZip(zip, inhalt.constData(), unsigned(inhalt.size())), ZIP_OK);
        ASSERT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    ASSERT_EQ(zipClose(zip, nullptr), ZIP_OK);
}

inline QByteArray ZipTeil(const QString& datei, const QString& name) {
    unzFile zip = unzOpen64(datei.toUtf8().constData());
    QByteArray inhalt;
    if (zip && unzLocateFile(zip, name.toUtf8().constData(), 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char stueck[4096];
        for (int n; (n = unzReadCurrentFile(zip, stueck, sizeof stueck)) > 0;) inhalt.append(stueck, n);
        unzCloseCurrentFile(zip);
    }
    if (zip) unzClose(zip);
    return inhalt;
}

// The parts of a workbook whose first worksheet holds `sheetData` (the content
// of <sheetData>), with the shared strings `texte` (<si> elements) if any.
inline Mappenteile Mappe(const QByteArray& sheetData, const QByteArray& texte = {}) {
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"";
    const QByteArray rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
    Mappenteile teile{
        {"[Content_Types].xml", "<?xml version=\"1.0\"?><Types "
                                "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"/>"},
        {"_rels/.rels", "<?xml version=\"1.0\"?><Relationships "
                        "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                        "<Relationship Id=\"rId1\" Type=\"" + rel + "/officeDocument\" Target=\"xl/workbook.xml\"/>"
                        "</Relationships>"},
        {"xl/workbook.xml", "<?xml version=\"1.0\"?><workbook " + ns + " xmlns:r=\"" + rel + "\"><sheets>"
                            "<sheet name=\"Blatt1\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>"},
        {"xl/_rels/workbook.xml.rels",
         "<?xml version=\"1.0\"?><Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId1\" Type=\"" + rel + "/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
         "<Relationship Id=\"rId2\" Type=\"" + rel + "/sharedStrings\" Target=\"sharedStrings.xml\"/>"
         "</Relationships>"},
        {"xl/worksheets/sheet1.xml",
         "<?xml version=\"1.0\"?><worksheet " + ns + "><sheetData>" + sheetData + "</sheetData></worksheet>"},
    };
    if (!texte.isEmpty()) teile["xl/sharedStrings.xml"] = "<?xml version=\"1.0\"?><sst " + ns + ">" + texte + "</sst>";
    return teile;
}

}  // namespace quintaro

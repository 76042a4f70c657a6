// Writing a workbook with libxlsxwriter. The library writes to a file name of
// its own choosing only, so it writes a private temporary file whose bytes then
// replace the target through the shared atomic writer.
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdlib>
#include <memory>

#include "app/mappe/mappendatei.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "core/formatierung.h"

namespace quintaro {

namespace {
class Zwischendatei {
public:
    explicit Zwischendatei(const std::filesystem::path& ziel) {
        std::string muster = (std::filesystem::temp_directory_path() / "quintaro-mappe-XXXXXX").string();
        const int fd = ::mkstemp(muster.data());
        if (fd < 0) throw DateiFehler("Die Datei \"" + DateiName(ziel) + "\" kann nicht geschrieben werden: "
                                      "Im temporären Ordner lässt sich keine Datei anlegen.");
        ::close(fd);
        pfad_ = muster;
    }
    ~Zwischendatei() {
        std::error_code ec;
        std::filesystem::remove(pfad_, ec);
    }
    const std::filesystem::path& pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
};

struct MappeSchliessen {
    void operator()(lxw_workbook* mappe) const { workbook_close(mappe); }
};
}  // namespace

void MappeSchreiben(const Tabellenblatt& blatt, const std::filesystem::path& datei) {
    const auto fehler = [&](const std::string& grund) {
        return DateiFehler("Die Datei \"" + DateiName(datei) + "\" kann nicht geschrieben werden: " + grund);
    };
    if (const std::string mangel = BlattnameMangel(blatt.name); !mangel.empty()) throw fehler(mangel);

    if (blatt.zellen.size() > std::size_t(MaxBlattZeilen))
        throw fehler("Ein Tabellenblatt fasst höchstens " + ZahlMitTausendern(MaxBlattZeilen) + " Zeilen.");

    const Zwischendatei zwischen(datei);
    std::unique_ptr<lxw_workbook, MappeSchliessen> mappe(workbook_new(zwischen.pfad().c_str()));
    if (!mappe) throw fehler("Die Arbeitsmappe lässt sich nicht anlegen.");
    lxw_worksheet* seite = workbook_add_worksheet(mappe.get(), blatt.name.c_str());
    if (!seite) throw fehler("Das Tabellenblatt lässt sich nicht anlegen.");

    for (std::size_t r = 0; r < blatt.zellen.size(); ++r) {
        const auto& zeile = blatt.zellen[r];
        for (std::size_t c = 0; c < zeile.size(); ++c) {
            if (zeile[c].empty()) continue;
            const auto zahl = AlsZellzahl(zeile[c]);
            const lxw_error e =
                zahl ? worksheet_write_number(seite, lxw_row_t(r), lxw_col_t(c), *zahl, nullptr)
                     : worksheet_write_string(seite, lxw_row_t(r), lxw_col_t(c), zeile[c].c_str(), nullptr);
            if (e != LXW_NO_ERROR)
                throw fehler("Die Zelle " + ZellName(int(c) + 1, int(r) + 1) + " lässt sich nicht schreiben.");
        }
    }
    const std::vector<double> breiten = Spaltenbreiten(blatt);
    for (std::size_t c = 0; c < breiten.size(); ++c)
        worksheet_set_column(seite, lxw_col_t(c), lxw_col_t(c), breiten[c], nullptr);

    if (workbook_close(mappe.release()) != LXW_NO_ERROR)
        throw fehler("Die Arbeitsmappe lässt sich nicht fertigstellen.");
    SchreibeDateiAtomar(datei, LiesDatei(zwischen.pfad()));
}

}  // namespace quintaro

#pragma once
// The evaluation side of the main window: ticket files are opened, each gets a
// tab with its evaluation frame; the choice of files and the draw-day choices
// of the frames are remembered in the settings file.
#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <vector>

#include "core/fehler.h"
#include "core/zahlenmenge.h"

class QCheckBox;
class QPushButton;
class QTabWidget;

namespace quintaro {

class AuswertungsRahmen;

class Auswertungsseite : public QWidget {
    Q_OBJECT
public:
    explicit Auswertungsseite(QWidget* eltern = nullptr);

    // The items of the main window's draw chooser; passed on to every frame.
    void setzeZiehungsauswahl(const QStringList& texte);
    // Opens one ticket file in a new tab and returns the tab; a file that cannot
    // be read is reported and gets no tab (nullptr).
    QWidget* DateienEinlesen(const std::filesystem::path& datei);

    void BOpenClick();
    void BKr1Click();
    void BKr2Click();

    // When the main window is shown: the remembered settings and files, or the
    // sample tickets when no file is remembered.
    void EinstellungenLesen();
    // When the main window closes. A settings file that cannot be written is reported.
    void EinstellungenSchreiben();

    AuswertungsRahmen* rahmen(int tab) const;
    int normalTage() const { return nZiehung_; }
    int systemTage() const { return sZiehung_; }
    int filterIndex() const { return filterIndex_; }

    QPushButton* BOpen;
    QCheckBox* cbMerken;
    QTabWidget* PC1;
    QPushButton* BKr1;
    QPushButton* BKr2;
    // One banker set per system ticket tab opened since the start.
    std::vector<TZahlenMenge> BankMengen;

private:
    void merken(const QStringList& dateien);
    void schreibfehlerMelden(const DateiFehler& fehler, const std::string& folge);

    QStringList ziehungsauswahl_;
    int tabZaehler_ = 0;
    int nZiehung_ = 0;
    int sZiehung_ = 0;
    int filterIndex_ = 3;  // "Spielschein-Dateien": both kinds
};

}  // namespace quintaro

// Takes pictures of the program's main windows for the documentation: builds
// the windows as the program does (data folder from QUINTARO_DATA_DIR, with a
// history of about 4,200 draws written when none is there), shows them one
// after another and saves each as a PNG into the folder given as argument.
// For the windows opened from the main window a picture of the whole screen
// shows where they opened.
#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QThread>
#include <filesystem>
#include <iostream>

#include "../../bench/bench_daten.h"
#include "app/start/programmstart.h"
#include "app/start/tfstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/hilfe.h"
#include "core/datenpfad.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/auswertungsrahmen.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/tfauswertung.h"
#include "statistics/ui/frStatistik.h"
#include "statistics/ui/statistik_fenster.h"
#include "statistics/ui/statistik_bausteine.h"
#include "app/ui/uebersetzung.h"

namespace {

QDir ziel;

void Warten(int ms = 300) {
    for (int i = 0; i < ms / 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(20);
    }
}

// 256 colours keep the pictures small; window pictures have few colours anyway.
void Speichern(const QImage& bild, const QString& name) {
    bild.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither)
        .save(ziel.filePath(name + ".png"), nullptr, 9);
    std::cout << name.toStdString() << ".png\n";
}

// The window, and with `mitBildschirm` the whole screen (scaled down) to show where it opened.
void Foto(QWidget* fenster, const QString& name, bool mitBildschirm = false) {
    Warten();
    Speichern(fenster->grab().toImage(), name);
    QScreen* schirm = QGuiApplication::primaryScreen();
    if (mitBildschirm && schirm)
        Speichern(schirm->grabWindow(0).toImage().scaled(800, 500, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                  name + "-bildschirm");
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::cerr << "Aufruf: bildschirmfotos ZIELORDNER (Datenordner aus QUINTARO_DATA_DIR)\n";
        return 1;
    }
    ziel = QDir(QString::fromLocal8Bit(argv[1]));
    ziel.mkpath(".");
    quintaro::QtUebersetzungLaden(app);
    using namespace quintaro;

    auto* start = new TFStart;
    if (!std::filesystem::exists(DatenDatei(ZiehungsDateiName)))
        ZiehungenSpeichern(DatenDatei(ZiehungsDateiName), bench::ZufallsGeschichte(4200));
    start->show();
    FensterRegistrieren();
    auto* haupt = HauptfensterErzeugen();
    start->setzeInitialisiert(true);
    Foto(start, "01-start");
    start->hide();

    haupt->show();
    haupt->setWindowOpacity(1.0);
    Warten();
    Foto(haupt, "02-hauptfenster-systemschein");
    QTabWidget* tabs = haupt->auswertungsseite()->PC1;
    if (tabs->count() > 1) {
        tabs->setCurrentIndex(1);
        if (auto* r = haupt->auswertungsseite()->rahmen(1)) {
            r->cbBack->setChecked(true);
            r->StartClick();
        }
    }
    Foto(haupt, "03-hauptfenster-normalschein");

    auto* statistik = static_cast<TFStatistik*>(Fensterverwaltung::Instanz().oeffne(Ziel::Statistik));
    Foto(statistik, "04-statistik", true);
    for (int v = 0; v < 3; ++v) statistik->Frame(v)->PC->setCurrentIndex(3);
    statistik->Frame(0)->cbAuch->click();
    statistik->Frame(0)->BNr[12]->click();
    statistik->Frame(0)->BNr[25]->click();
    statistik->Frame(0)->BSuche->click();
    Foto(statistik, "05-statistik-kombisuche");
    statistik->close();

    QWidget* eingabe = Fensterverwaltung::Instanz().oeffne(Ziel::EingabeS);
    Foto(eingabe, "06-systemschein-eingabe", true);
    eingabe->hide();

    const std::pair<Ziel, const char*> weitere[] = {
        {Ziel::EingabeN, "10-normalschein-eingabe"}, {Ziel::SystemWahl, "11-systemwahl"},
        {Ziel::Zufall, "12-zufall"},                 {Ziel::Quoten, "13-quoten"},
        {Ziel::Update, "14-update"},                 {Ziel::NueberK, "15-n-ueber-k"},
        {Ziel::Kal, "16-kalender"},                  {Ziel::Info, "17-info"},
    };
    for (const auto& [fensterZiel, name] : weitere) {
        QWidget* fenster = Fensterverwaltung::Instanz().oeffne(fensterZiel);
        if (!fenster) continue;
        Foto(fenster, name, true);
        fenster->close();
    }

    HilfeZeigen(1020);
    if (QWidget* hilfe = FindeFenster("FHilfe")) {
        Foto(hilfe, "07-hilfe");
        hilfe->close();
    }

    QMessageBox frage(QMessageBox::Question, "Quintaro", "Soll ich den Downloadbereich öffnen?",
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, haupt);
    frage.show();
    Foto(&frage, "08-frage");
    frage.hide();

    QFileDialog dialog(haupt, "Spielschein-Datei einlesen", QString::fromStdString(DatenPfad().string()));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilters({"Normal-Schein (*.nqtr)", "System-Schein (*.sqtr)", "Spielschein-Dateien (*.nqtr *.sqtr)"});
    dialog.show();
    Foto(&dialog, "09-oeffnen");
    dialog.hide();

    haupt->close();
    return 0;
}

// The download and update window against a local HTTP server.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "app/programmwerte.h"
#include "app/start/programmstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/systemdienste.h"
#include "app/ui/texte.h"
#include "core/datei.h"
#include "core/einstellungen.h"
#include "core/formatierung.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/tfauswertung.h"
#include "evaluation/ui/ziehungsseite.h"
#include "gemeinsam/testziehung.h"
#include "online/ui/tfupdate.h"
#include "online/ziehungsstand.h"
#include "statistics/statistik.h"
#include "testserver.h"
#include "testumgebung.h"

namespace quintaro {

// Takes the files the window hands to the desktop.
class Desktopattrappe : public QObject {
    Q_OBJECT
public:
    Desktopattrappe() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "oeffne"); }
    ~Desktopattrappe() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    Q_INVOKABLE void oeffne(const QUrl& url) { geoeffnet.append(url); }
    QList<QUrl> geoeffnet;
};

namespace {

using Art = NachrichtenAttrappe::Art;

QByteArray AlsBytes(const Bytes& b) { return QByteArray(reinterpret_cast<const char*>(b.data()), qsizetype(b.size())); }

QByteArray Ziehungsdatei(const std::vector<TGewZahlen>& ziehungen) {
    Bytes b(ziehungen.size() * GewZahlenGroesse);
    for (std::size_t i = 0; i < ziehungen.size(); ++i) GewZahlenNach(ziehungen[i], b.data() + i * GewZahlenGroesse);
    return AlsBytes(b);
}

QByteArray Versionsdatei(const std::string& text) {
    QByteArray satz(24, '\0');
    satz[8] = char(text.size());
    satz.replace(9, qsizetype(text.size()), QByteArray::fromStdString(text));
    return QByteArray(24, 'a') + satz;
}

class Updatefenster : public Testumgebung {
protected:
    void SetUp() override {
        Testumgebung::SetUp();
        FensterRegistrieren();
        InternetVerbundenVorgeben(true);
        Werte().downloadNachfragen = true;
        Werte().downloadDatei = datei("tmp.tmp");
        Einstellungen einstellungen(datei(EinstellungsDateiName));
        einstellungen.schreibeText("Update", "Server", server.basis().toStdString());
        einstellungen.schreibeZahl("Update", "Zeitlimit", 1);
        // Stored: one old Sunday draw.
        ZiehungenSpeichern(datei(ZiehungsDateiName), {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7, 0x44)});
        alt = LiesDatei(datei(ZiehungsDateiName));
        Daten().GZListe = ZiehungenLaden(datei(ZiehungsDateiName)).ziehungen;
        StatistikStart(Daten());
        // On the server: that draw and the draws expected by now.
        const TDatum so = ErwarteteZiehung(Jetzt(), 1), mi = ErwarteteZiehung(Jetzt(), 4);
        neu = {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7),
               TestZiehung(std::min(so, mi), {10, 20, 30, 40, 41, 42}, 43),
               TestZiehung(std::max(so, mi), {11, 21, 31, 39, 44, 45}, 1)};
        server.datei("/downloads/GZ.645", Ziehungsdatei(neu));
    }
    void TearDown() override {
        delete fenster.data();
        delete haupt.data();
        InternetVerbundenVorgeben(std::nullopt);
        Werte().downloadNachfragen = true;
        Werte().downloadDatei.clear();
        Testumgebung::TearDown();
    }
    void ohneZiehungen() {
        std::filesystem::remove(datei(ZiehungsDateiName));
        Daten() = Datenbestand{};
    }
    void mitHauptfenster() {
        haupt = new TFAuswertung;
        nachrichten.meldungen.clear();
    }
    TFUpdate& oeffnen() {
        fenster = qobject_cast<TFUpdate*>(Fensterverwaltung::Instanz().oeffne(Ziel::Update));
        EXPECT_NE(fenster.data(), nullptr);
        return *fenster;
    }
    bool warten() {
        return QTest::qWaitFor([this] { return !fenster || !fenster->DownloadLaeuft(); }, 5000);
    }
    void klicke(QPushButton* knopf) {
        ASSERT_TRUE(knopf->isEnabled()) << knopf->objectName().toStdString();
        QTest::mouseClick(knopf, Qt::LeftButton);
    }
    bool historieUnveraendert() { return LiesDatei(datei(ZiehungsDateiName)) == alt; }
    std::vector<QString> texte() const {
        std::vector<QString> t;
        for (const auto& m : nachrichten.meldungen) t.push_back(m.text);
        return t;
    }

    Testserver server;
    QPointer<TFUpdate> fenster;
    QPointer<TFAuswertung> haupt;
    Bytes alt;
    std::vector<TGewZahlen> neu;
};

TEST_F(Updatefenster, ShowingWithDrawsFetchesNothingAndShowsTheStatus) {
    TFUpdate& f = oeffnen();
    EXPECT_EQ(f.windowTitle(), "Quintaro 1.3.1.0");
    EXPECT_EQ(f.PiVersion->text(), "1.3.1.0");
    EXPECT_EQ(f.PvVersion->text(), "");
    EXPECT_FALSE(f.BDown->isEnabled());
    EXPECT_FALSE(f.BSetup->isEnabled());
    EXPECT_EQ(server.anfragen(), 0);
    EXPECT_EQ(f.LStandSo->text(), "07.01.2024");
    EXPECT_EQ(f.LStandMi->text(), "");
    EXPECT_EQ(f.LAktuellSo->text(), AlsQString(DatumText(ErwarteteZiehung(Jetzt(), 1))));
    EXPECT_EQ(f.LAktuellMi->text(), AlsQString(DatumText(ErwarteteZiehung(Jetzt(), 4))));
    EXPECT_TRUE(f.Bupdate->isEnabled());
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(Updatefenster, TheDownloadReloadsTheMainWindowTheListsAndTheStatus) {
    mitHauptfenster();
    TFUpdate& f = oeffnen();
    klicke(f.Bupdate);
    EXPECT_FALSE(f.Bupdate->isEnabled());  // not twice at once
    EXPECT_TRUE(f.BAbbrechen->isVisible());
    ASSERT_TRUE(warten());
    EXPECT_TRUE(nachrichten.meldungen.empty()) << texte().front().toStdString();
    EXPECT_EQ(AlsBytes(LiesDatei(datei(ZiehungsDateiName))), Ziehungsdatei(neu));
    EXPECT_EQ(LiesDatei(datei(ZiehungsSicherungName)), alt);
    EXPECT_FALSE(std::filesystem::exists(datei("GZ.645.download")));
    EXPECT_EQ(Daten().GZListe.size(), 3u);
    EXPECT_EQ(Daten().GZListeSo.size() + Daten().GZListeMi.size(), 3u);
    EXPECT_EQ(haupt->ziehungsseite()->Combo1->count(), 3);
    EXPECT_EQ(f.LStandSo->text(), f.LAktuellSo->text());
    EXPECT_EQ(f.LStandMi->text(), f.LAktuellMi->text());
    EXPECT_FALSE(f.Bupdate->isEnabled());  // up to date now
    EXPECT_FALSE(f.BAbbrechen->isVisible());
}

TEST_F(Updatefenster, EveryFaultLeavesTheHistoryByteForByteAndSaysWhy) {
    struct Fall {
        const char* name;
        Testserver::Antwort antwort;
        Art art;
        const char* text;
    };
    auto kaputt = neu;
    kaputt[2].GZ[3] = 46;
    const Fall faelle[] = {
        {"invalid history", Testserver::Datei(200, Ziehungsdatei(kaputt)), Art::Fehler, "keine gültige Ziehungsdatei"},
        {"partial record", Testserver::Datei(200, Ziehungsdatei(neu).left(40)), Art::Fehler, "8 Byte"},
        {"404", Testserver::Datei(404, "nicht da"), Art::Information, "HTTP-Status 404"},
        {"empty", Testserver::Datei(200, ""), Art::Information, "leer oder zu kurz"},
        {"three bytes", Testserver::Datei(200, "abc"), Art::Information, "leer oder zu kurz"},
        {"dropped", Testserver::Abbruch(Ziehungsdatei(neu), 20), Art::Information, "während der Übertragung"},
        {"oversized", Testserver::Datei(200, QByteArray(9 * 1024 * 1024, 1)), Art::Information, "größer als erlaubt"},
        {"silent", Testserver::Schweigen(), Art::Information, "Zeitüberschreitung"},
    };
    mitHauptfenster();
    TFUpdate& f = oeffnen();
    for (const auto& fall : faelle) {
        nachrichten.meldungen.clear();
        server.setze("/downloads/GZ.645", fall.antwort);
        klicke(f.Bupdate);
        ASSERT_TRUE(warten()) << fall.name;
        ASSERT_EQ(nachrichten.meldungen.size(), 1u) << fall.name;
        EXPECT_EQ(nachrichten.meldungen[0].art, fall.art) << fall.name;
        EXPECT_TRUE(nachrichten.meldungen[0].text.contains(QString::fromUtf8(fall.text)))
            << fall.name << ": " << nachrichten.meldungen[0].text.toStdString();
        if (fall.art == Art::Information) {
            EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith(
                "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal."));
        }
        EXPECT_TRUE(historieUnveraendert()) << fall.name;
        EXPECT_FALSE(std::filesystem::exists(datei("GZ.645.download"))) << fall.name;
        EXPECT_FALSE(std::filesystem::exists(datei("GZ.645.download.neu"))) << fall.name;
        EXPECT_EQ(Daten().GZListe.size(), 1u) << fall.name;
        EXPECT_EQ(haupt->ziehungsseite()->Combo1->count(), 1) << fall.name;
        EXPECT_TRUE(f.Bupdate->isEnabled()) << fall.name;
    }
}

TEST_F(Updatefenster, CancelAndClosingStopTheDownloadAndKeepTheHistory) {
    server.setze("/downloads/GZ.645", Testserver::Schweigen());
    TFUpdate& f = oeffnen();
    klicke(f.Bupdate);
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.anfragen() == 1; }, 2000));
    klicke(f.BAbbrechen);
    ASSERT_TRUE(warten());
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_TRUE(historieUnveraendert());
    EXPECT_TRUE(f.Bupdate->isEnabled());
    EXPECT_FALSE(f.Gauge->isVisible());

    klicke(f.Bupdate);
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.anfragen() == 2; }, 2000));
    f.close();
    EXPECT_TRUE(QTest::qWaitFor([this] { return fenster.isNull(); }, 2000));
    QTest::qWait(50);
    EXPECT_TRUE(historieUnveraendert());
    EXPECT_FALSE(std::filesystem::exists(datei("GZ.645.download.neu")));
    EXPECT_EQ(server.anfragen(), 2);
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(Updatefenster, WithoutAConnectionNothingIsFetched) {
    InternetVerbundenVorgeben(false);
    TFUpdate& f = oeffnen();
    klicke(f.BCalc);
    klicke(f.Bupdate);
    EXPECT_EQ(texte(), (std::vector<QString>{
                           "Für die Aktualisierung muss eine Verbindung zum Internet bestehen.",
                           "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen.\n\n"
                           "Ich breche ab."}));
    EXPECT_EQ(server.anfragen(), 0);
    EXPECT_TRUE(historieUnveraendert());
}

TEST_F(Updatefenster, TheVersionCheckEnablesTheDownloadForAnyOtherText) {
    struct Fall {
        std::string version;
        bool download;
    };
    TFUpdate& f = oeffnen();
    for (const Fall& fall : {Fall{"1.3.1.1", true}, Fall{"1.3.1.0", false}, Fall{"1.3.1.0 ", true}}) {
        server.datei("/downloads/verinfos.qtr", Versionsdatei(fall.version));
        klicke(f.BCalc);
        ASSERT_TRUE(warten());
        EXPECT_EQ(f.PvVersion->text(), QString::fromStdString(fall.version));
        EXPECT_EQ(f.BDown->isEnabled(), fall.download) << fall.version;
    }
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_EQ(LiesDatei(datei("verinfos.qtr")).size(), 48u);
}

TEST_F(Updatefenster, AVersionFileWithoutARecordOrAFailedCheckIsReported) {
    TFUpdate& f = oeffnen();
    server.datei("/downloads/verinfos.qtr", QByteArray(23, '1'));
    klicke(f.BCalc);
    ASSERT_TRUE(warten());
    server.setze("/downloads/verinfos.qtr", Testserver::Datei(404, "nicht da"));
    klicke(f.BCalc);
    ASSERT_TRUE(warten());
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith("Die Aktualisierung hat leider nicht geklappt.\n\n"
                                                         "Die Versionsdatei enthält keinen vollständigen Eintrag"));
    EXPECT_TRUE(nachrichten.meldungen[1].text.contains("HTTP-Status 404"));
    EXPECT_EQ(f.PvVersion->text(), "");
    EXPECT_FALSE(f.BDown->isEnabled());
}

TEST_F(Updatefenster, ThePackageIsFetchedAndHandedToTheDesktopAfterTheQuestion) {
    Desktopattrappe desktop;
    server.datei("/downloads/verinfos.qtr", Versionsdatei("1.4.0.0"));
    server.datei("/downloads/qtrupdate.deb", "!<arch>\ndebian-binary");
    TFUpdate& f = oeffnen();
    klicke(f.BCalc);
    ASSERT_TRUE(warten());
    klicke(f.BDown);
    ASSERT_TRUE(warten());
    EXPECT_EQ(AlsBytes(LiesDatei(datei("Update.deb"))), "!<arch>\ndebian-binary");
    ASSERT_TRUE(f.BSetup->isEnabled());

    nachrichten.antworten = {Nachrichtendienst::Antwort::Nein, Nachrichtendienst::Antwort::Ja};
    klicke(f.BSetup);
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.endsWith("Soll fortgefahren werden?"));
    EXPECT_TRUE(nachrichten.meldungen[1].text.startsWith("Installation wurde auf Ihren Wunsch abgebrochen."));
    EXPECT_TRUE(nachrichten.meldungen[1].text.contains("\"Update.deb\""));
    EXPECT_TRUE(desktop.geoeffnet.isEmpty());

    klicke(f.BSetup);
    ASSERT_EQ(desktop.geoeffnet.size(), 1);
    EXPECT_EQ(desktop.geoeffnet[0].toLocalFile().toStdString(), datei("Update.deb").string());
    EXPECT_TRUE(QTest::qWaitFor([this] { return fenster.isNull(); }, 2000));  // closed for the installation
}

TEST_F(Updatefenster, AFailedPackageDownloadKeepsTheInstallationOff) {
    server.datei("/downloads/verinfos.qtr", Versionsdatei("1.4.0.0"));
    TFUpdate& f = oeffnen();
    klicke(f.BCalc);
    ASSERT_TRUE(warten());
    klicke(f.BDown);
    ASSERT_TRUE(warten());
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith(
        "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal."));
    EXPECT_FALSE(f.BSetup->isEnabled());
    EXPECT_FALSE(std::filesystem::exists(datei("Update.deb")));
}

TEST_F(Updatefenster, WithoutDrawsTheWindowAsksUnlessTheCallerAskedAlready) {
    ohneZiehungen();
    nachrichten.antworten = {Nachrichtendienst::Antwort::Nein};
    oeffnen();
    EXPECT_EQ(texte(), (std::vector<QString>{"Es fehlen jegliche Gewinnreihen.\n\nSoll ich deren Download gleich starten?"}));
    EXPECT_EQ(server.anfragen(), 0);
    fenster->close();
    ASSERT_TRUE(QTest::qWaitFor([this] { return fenster.isNull(); }, 2000));

    nachrichten.meldungen.clear();
    Werte().downloadNachfragen = false;
    oeffnen();
    ASSERT_TRUE(warten());
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_EQ(Daten().GZListe.size(), 3u);
}

TEST_F(Updatefenster, AFailedDownloadWithoutAnyHistoryIsReportedTwice) {
    ohneZiehungen();
    server.setze("/downloads/GZ.645", Testserver::Datei(404, "nicht da"));
    oeffnen();  // the question is answered Yes
    ASSERT_TRUE(warten());
    ASSERT_EQ(nachrichten.meldungen.size(), 3u);
    EXPECT_TRUE(nachrichten.meldungen[1].text.contains("HTTP-Status 404"));
    EXPECT_EQ(nachrichten.meldungen[2].text, "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.");
    EXPECT_FALSE(std::filesystem::exists(datei(ZiehungsDateiName)));
}

TEST_F(Updatefenster, TheMainWindowsQuestionLeadsStraightToTheDownload) {
    ohneZiehungen();
    mitHauptfenster();
    QTest::mouseClick(haupt->ziehungsseite()->BHinzu, Qt::LeftButton);
    fenster = qobject_cast<TFUpdate*>(FindeFenster("FUpdate"));
    ASSERT_NE(fenster.data(), nullptr);
    ASSERT_TRUE(warten());
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);  // only the main window asked
    EXPECT_EQ(haupt->ziehungsseite()->Combo1->count(), 3);
    EXPECT_EQ(Daten().GZListe.size(), 3u);
}

}  // namespace
}  // namespace quintaro

#include "tfupdate_test.moc"

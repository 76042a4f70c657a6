// The quota import tool beside the quota editor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QScreen>
#include <QTableView>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include "app/ui/systemdienste.h"
#include "core/einstellungen.h"
#include "quotas/ui/tfqtool.h"
#include "quotas/ui/tfquoten.h"
#include "quotas/ui/tqedit.h"
#include "testumgebung.h"

using namespace quintaro;

namespace {
// Stands in for the browser: records the addresses it is asked to open.
class Browser : public QObject {
    Q_OBJECT
public:
    QStringList adressen;
public slots:
    void oeffne(const QUrl& url) { adressen << url.toString(); }
};

class QTool : public Testumgebung {
protected:
    void SetUp() override {
        Testumgebung::SetUp();
        editor = new TFQuoten(nullptr, DatumAus(2019, 1, 6));
        editor->show();
    }
    void TearDown() override {
        delete editor.data();
        Testumgebung::TearDown();
    }
    TFQTool* Oeffnen() {
        QTest::mouseClick(editor->bsSkinSpeedButton5, Qt::LeftButton);
        return editor->quotenTool();
    }
    QStringList Edits() const {
        QStringList texte;
        for (int k = 1; k <= 8; ++k) texte << editor->quotenEdit(k)->text();
        return texte;
    }

    QPointer<TFQuoten> editor;
};
}  // namespace

TEST_F(QTool, OpensBesideTheEditorWithTheStoredSettings) {
    Einstellungen().schreibeText("Quoten", "Url", "");
    Einstellungen().schreibeZahl("Quoten", "Spalte", 7);
    editor->move(10, 20);
    TFQTool* tool = Oeffnen();
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->objectName(), "FQTool");
    EXPECT_TRUE(tool->isVisible());
    EXPECT_EQ(Oeffnen(), tool);  // a second click shows the same tool
    EXPECT_EQ(tool->Scroll1->value(), 7);
    EXPECT_EQ(tool->LSpalte->text(), "7");
    // An empty address is replaced by the default and written back at once.
    EXPECT_EQ(tool->EUrl->text(), ErgebnisseAdresse);
    EXPECT_EQ(Einstellungen().leseText("Quoten", "Url", "?"), ErgebnisseAdresse.toStdString());

    const QRect schirm = QGuiApplication::primaryScreen()->geometry();
    const int rechts = editor->frameGeometry().right() + 1;
    EXPECT_EQ(tool->x(), std::min(rechts, schirm.right() + 1 - tool->frameGeometry().width()));
    EXPECT_EQ(tool->y(), editor->y());
    EXPECT_LE(tool->frameGeometry().right(), schirm.right());

    // Closing the editor closes the tool and stores the tool's keys.
    tool->Scroll1->setValue(3);
    QPointer<TFQTool> beobachter(tool);
    editor->close();
    EXPECT_TRUE(beobachter.isNull() || !beobachter->isVisible());
    EXPECT_EQ(Einstellungen().leseZahl("Quoten", "Spalte", 0), 3);
}

TEST_F(QTool, PastedTabTextFillsTheEditorsEdits) {
    TFQTool* tool = Oeffnen();
    QString text;
    const char* quoten[] = {"1.748.907,28 €", "40.079,10 €", "1.150,60 €", "161,00 €", "41,10 €", "14,90 €", "4,50 €", "1,20 €"};
    for (int k = 0; k < 8; ++k) text += QString("Klasse %1\t%2\t%3\n").arg(k + 1).arg(k * 10).arg(QString::fromUtf8(quoten[k]));
    QApplication::clipboard()->setText("\n" + text);
    tool->M1->setPlainText("alter Text");
    QTest::mouseClick(tool->BClip, Qt::LeftButton);
    EXPECT_EQ(tool->M1->toPlainText(), "\n" + text);
    tool->Scroll1->setValue(3);
    QTest::mouseClick(tool->bsSkinSpeedButton2, Qt::LeftButton);
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_EQ(Edits(), QStringList({"1748907,28", "40079,10", "1150,60", "161,00", "41,10", "14,90", "4,50", "1,20"}));
    EXPECT_FALSE(tool->M1->toPlainText().startsWith("\n"));  // empty lines removed

    // The editor's "Ersetzen" then takes them over into the chosen draw.
    editor->Combo1->setCurrentIndex(0);
    QTest::mouseClick(editor->bsSkinSpeedButton3, Qt::LeftButton);
    const QAbstractItemModel* m = editor->G1->model();
    EXPECT_EQ(m->data(m->index(0, 1)).toString(), "1748907,28");

    // A column the lines do not have: the message names the line, the edits stay.
    tool->Scroll1->setValue(5);
    QTest::mouseClick(tool->bsSkinSpeedButton2, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Die Zeile 1 des Textes hat keine Spalte 5; sie besteht aus 3 Spalten.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(Edits()[0], "1748907,28");
}

TEST_F(QTool, AnEmptyTextFieldIsRefused) {
    TFQTool* tool = Oeffnen();
    tool->M1->setPlainText("etwas");
    QTest::mouseClick(tool->BDel, Qt::LeftButton);
    EXPECT_TRUE(tool->M1->toPlainText().isEmpty());
    QTest::mouseClick(tool->bsSkinSpeedButton2, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Das Textfeld ist leer. Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(Edits(), QStringList({"", "", "", "", "", "", "", "1,20"}));
}

TEST_F(QTool, AnEditedAddressIsStoredOnRequest) {
    TFQTool* tool = Oeffnen();
    tool->EUrl->setText("https://quoten.example/a");
    QTest::mouseClick(tool->bsSkinSpeedButton4, Qt::LeftButton);
    EXPECT_EQ(Einstellungen().leseText("Quoten", "Url", ""), "https://quoten.example/a");

    // Edited again and closed: Yes stores it, No keeps the stored one.
    for (auto antwort : {Nachrichtendienst::Antwort::Nein, Nachrichtendienst::Antwort::Ja}) {
        tool = Oeffnen();
        tool->EUrl->setText("https://quoten.example/b");
        nachrichten.meldungen.clear();
        nachrichten.antworten = {antwort};
        tool->close();
        ASSERT_EQ(nachrichten.meldungen.size(), 1u);
        EXPECT_EQ(nachrichten.meldungen[0].text,
                  "Die gegebenenfalls geänderte Quoten-Url wurde noch nicht gespeichert.\n\nWollen Sie Änderungen jetzt speichern?");
        EXPECT_EQ(Einstellungen().leseText("Quoten", "Url", ""),
                  antwort == Nachrichtendienst::Antwort::Ja ? "https://quoten.example/b" : "https://quoten.example/a");
    }
    // Unchanged: no question.
    tool = Oeffnen();
    nachrichten.meldungen.clear();
    tool->close();
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(QTool, TheAddressOpensInTheBrowser) {
    TFQTool* tool = Oeffnen();
    Browser browser;
    QDesktopServices::setUrlHandler("https", &browser, "oeffne");
    tool->EUrl->setText("https://quoten.example/x");
    QTest::mouseClick(tool->BAufruf, Qt::LeftButton);
    tool->EUrl->setText("abc");  // too short to be an address: the default page
    QTest::mouseClick(tool->BAufruf, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler("https");
    if (InternetVerbunden()) {
        EXPECT_EQ(browser.adressen, QStringList({"https://quoten.example/x", ErgebnisseAdresse}));
        EXPECT_TRUE(nachrichten.meldungen.empty());
    } else {
        EXPECT_TRUE(browser.adressen.isEmpty());
        ASSERT_EQ(nachrichten.meldungen.size(), 2u);
        EXPECT_EQ(nachrichten.meldungen[0].text, "Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen.");
    }
}

TEST_F(QTool, ABrowserThatCannotStartIsReported) {
    if (!InternetVerbunden() || !QStandardPaths::findExecutable("xdg-open").isEmpty())
        GTEST_SKIP() << "needs a connection and a desktop without a browser starter";
    TFQTool* tool = Oeffnen();
    tool->EUrl->setText("https://quoten.example/x");
    QTest::mouseClick(tool->BAufruf, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith(
        "Es konnte kein Internet-Browser gestartet werden, um die Seite https://quoten.example/x zu öffnen."));
}

#include "qtool_fenster_test.moc"

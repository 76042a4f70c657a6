#include "app/ui/hilfe.h"
#include "app/ui/texte.h"

#include <QDialog>
#include <algorithm>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/hilfetexte.h"
#include "app/ui/fensterplatz.h"
#include "core/spielregeln.h"

namespace quintaro {

namespace {
class Hilfefenster : public QDialog {
public:
    Hilfefenster() {
        setObjectName("FHilfe");
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowTitle(FensterTitel() + " – Hilfe");
        resize(820, 560);
        suche_ = new QLineEdit(this);
        suche_->setObjectName("Suche");
        suche_->setPlaceholderText("In Hilfe suchen...");
        suche_->setClearButtonEnabled(true);
        themen_ = new QListWidget(this);
        themen_->setObjectName("Themen");
        int breite = 0;
        for (const Hilfeseite& s : Hilfeseiten())
            breite = std::max(breite, themen_->fontMetrics().horizontalAdvance(AlsQString(s.titel)));
        themen_->setMinimumWidth(breite + 2 * themen_->frameWidth() + 12);
        seite_ = new QTextBrowser(this);
        seite_->setObjectName("Seite");
        seite_->setOpenLinks(false);
        auto* links = new QVBoxLayout;
        links->addWidget(suche_);
        links->addWidget(themen_);
        auto* layout = new QHBoxLayout(this);
        layout->addLayout(links, 0);
        layout->addWidget(seite_, 1);
        connect(suche_, &QLineEdit::textChanged, this, [this] { fuelleThemen(); });
        connect(themen_, &QListWidget::currentRowChanged, this, [this](int zeile) {
            if (zeile >= 0 && zeile < int(sichtbar_.size())) zeige(*sichtbar_[std::size_t(zeile)]);
        });
        // Links between the pages name the context: "hilfe:1090".
        connect(seite_, &QTextBrowser::anchorClicked, this, [this](const QUrl& ziel) {
            if (ziel.scheme() == "hilfe") oeffne(ziel.path().toInt());
        });
        fuelleThemen();
        // The topic list as wide as its longest title.
        themen_->setMinimumWidth(themen_->sizeHintForColumn(0) + 2 * themen_->frameWidth() +
                                 themen_->verticalScrollBar()->sizeHint().width() + 4);
        themen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        FensterEinpassen(this);
    }

    void oeffne(int kontext) {
        suche_->clear();
        const Hilfeseite& s = HilfeseiteZu(kontext);
        for (std::size_t i = 0; i < sichtbar_.size(); ++i)
            if (sichtbar_[i] == &s) themen_->setCurrentRow(int(i));
        zeige(s);
    }
    void sucheAnbieten() {
        suche_->clear();
        suche_->setFocus();
    }

private:
    // The topics that hold every word of the search; the page shown stays when
    // it is among them, otherwise the first hit is shown.
    void fuelleThemen() {
        sichtbar_ = HilfeSuchen(suche_->text().toStdString());
        const QSignalBlocker sperre(themen_);
        themen_->clear();
        int aktuell = -1;
        for (std::size_t i = 0; i < sichtbar_.size(); ++i) {
            themen_->addItem(AlsQString(sichtbar_[i]->titel));
            if (sichtbar_[i] == gezeigt_) aktuell = int(i);
        }
        if (aktuell < 0 && !sichtbar_.empty()) {
            aktuell = 0;
            zeige(*sichtbar_.front());
        }
        themen_->setCurrentRow(aktuell);
    }
    void zeige(const Hilfeseite& s) {
        gezeigt_ = &s;
        setProperty("kontext", s.kontext);
        seite_->setHtml(QString("<h2>%1</h2>%2").arg(AlsQString(s.titel), AlsQString(s.text)));
    }

    QLineEdit* suche_;
    QListWidget* themen_;
    QTextBrowser* seite_;
    std::vector<const Hilfeseite*> sichtbar_;
    const Hilfeseite* gezeigt_ = nullptr;
};

Hilfefenster& Fenster() {
    static QPointer<Hilfefenster> fenster;
    if (!fenster) fenster = new Hilfefenster;
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return *fenster;
}
}  // namespace

void HilfeZeigen(int kontext) { Fenster().oeffne(kontext); }
void HilfeSuchenZeigen() { Fenster().sucheAnbieten(); }

}  // namespace quintaro

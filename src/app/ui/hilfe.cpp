#include "app/ui/hilfe.h"
#include "app/ui/texte.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTextBrowser>
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
        resize(720, 480);
        suche_ = new QLineEdit(this);
        suche_->setPlaceholderText("In Hilfe suchen...");
        themen_ = new QListWidget(this);
        seite_ = new QTextBrowser(this);
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
    void fuelleThemen() {
        sichtbar_ = HilfeSuchen(suche_->text().toStdString());
        themen_->clear();
        for (const Hilfeseite* s : sichtbar_)
            themen_->addItem(AlsQString(s->titel));
    }
    void zeige(const Hilfeseite& s) {
        seite_->setHtml(QString("<h2>%1</h2>%2")
                            .arg(AlsQString(s.titel), AlsQString(s.text)));
    }

    QLineEdit* suche_;
    QListWidget* themen_;
    QTextBrowser* seite_;
    std::vector<const Hilfeseite*> sichtbar_;
};

Hilfefenster& Fenster() {
    static QPointer<Hilfefenster> fenster;
    if (!fenster) fenster = new Hilfefenster;
    fenster->show();
    fenster->raise();
    return *fenster;
}
}  // namespace

void HilfeZeigen(int kontext) { Fenster().oeffne(kontext); }
void HilfeSuchenZeigen() { Fenster().sucheAnbieten(); }

}  // namespace quintaro

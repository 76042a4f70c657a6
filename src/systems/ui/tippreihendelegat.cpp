#include "systems/ui/tippreihendelegat.h"

#include <QPainter>

#include "systems/ui/tippreihenmodell.h"
#include "systems/ui/zahlplatten.h"

namespace quintaro {

Tippreihendelegat::Tippreihendelegat(const Tippreihenmodell& modell, QObject* eltern)
    : QStyledItemDelegate(eltern), modell_(modell) {}

const QStaticText& Tippreihendelegat::text(int zahl) const {
    if (std::size_t(zahl) >= texte_.size()) texte_.resize(std::size_t(zahl) + 1);
    QStaticText& t = texte_[std::size_t(zahl)];
    if (t.text().isEmpty()) {
        t.setText(QString::number(zahl));
        t.setTextFormat(Qt::PlainText);
        t.prepare({}, schrift_);
    }
    return t;
}

void Tippreihendelegat::paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QFont fett = option.font;
    fett.setBold(true);
    if (fett != schrift_) {
        // Another font (or the first paint): the laid-out texts no longer fit.
        schrift_ = fett;
        texte_.clear();
    }
    const int zeile = index.row(), spalte = index.column();
    const QColor grund = spalte == 0 ? option.palette.color(QPalette::Button)
                         : modell_.istBankzahl(zeile, spalte) ? AussehenFarbe(Zahlaussehen::Bankzahl)
                                                               : QColor(Qt::white);
    maler->fillRect(option.rect, grund);
    const QStaticText& t = text(modell_.zahl(zeile, spalte));
    const QSizeF groesse = t.size();
    maler->setFont(schrift_);
    maler->setPen(option.palette.color(QPalette::Text));
    maler->drawStaticText(QPointF(option.rect.x() + (option.rect.width() - groesse.width()) / 2,
                                  option.rect.y() + (option.rect.height() - groesse.height()) / 2),
                          t);
}

}  // namespace quintaro

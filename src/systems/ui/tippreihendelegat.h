#pragma once
// Draws the cells of the row grid directly: background, then the number bold
// and centred from a cache of laid-out texts. The general item delegate lays
// out every text anew and asks the model for every role of every cell.
#include <QFont>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <vector>

namespace quintaro {

class Tippreihenmodell;

class Tippreihendelegat : public QStyledItemDelegate {
    Q_OBJECT
public:
    Tippreihendelegat(const Tippreihenmodell& modell, QObject* eltern = nullptr);
    void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const QStaticText& text(int zahl) const;

    const Tippreihenmodell& modell_;
    mutable std::vector<QStaticText> texte_;  // index = number
    mutable QFont schrift_;
};

}  // namespace quintaro

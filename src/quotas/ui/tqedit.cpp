#include "quotas/ui/tqedit.h"

#include <QRegularExpressionValidator>

namespace quintaro {

TQEdit::TQEdit(QWidget* eltern) : QLineEdit(eltern) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9,]*"), this));
}

}  // namespace quintaro

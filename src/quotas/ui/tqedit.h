#pragma once
// A quota edit of the quota editor: right-aligned, bold, and it takes only the
// digits and the comma (typed or pasted); other keys have no effect.
#include <QLineEdit>

namespace quintaro {

class TQEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TQEdit(QWidget* eltern = nullptr);
};

}  // namespace quintaro

#pragma once
// The quota import tool: a quota table copied from a web page is pasted here
// and its eight quotas are written into the quota editor's edits. It opens
// beside the quota editor and closes with it.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QToolButton;

namespace quintaro {

class TFQuoten;

class TFQTool : public QWidget {
    Q_OBJECT
public:
    explicit TFQTool(TFQuoten* editor);

    void BClipClick();
    void bsSkinSpeedButton2Click();
    void BAufrufClick();
    void bsSkinSpeedButton4Click();

    QPlainTextEdit* M1;
    QPushButton* BClip;
    QPushButton* BDel;
    QScrollBar* Scroll1;
    QLabel* LSpalte;
    QPushButton* bsSkinSpeedButton2;  // "Quoten übertragen"
    QLineEdit* EUrl;
    QPushButton* bsSkinSpeedButton4;  // stores the address
    QPushButton* BAufruf;
    QToolButton* BInfo;
    QPushButton* bsSkinSpeedButton3;  // help
    QPushButton* bsSkinSpeedButton1;  // "Schließen"

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void platzieren(int links, int oben);

    TFQuoten* editor_;
    bool urlGeaendert_ = false;
};

}  // namespace quintaro

#pragma once
// The picture that explains a system with five banker numbers: what the rows
// hit for every number of banker numbers drawn. Drawn in code, printable.
#include <QImage>
#include <QWidget>

class QPrinter;

namespace quintaro {

class Bankzahlbild : public QWidget {
    Q_OBJECT
public:
    explicit Bankzahlbild(QWidget* eltern = nullptr);

    // The catalogue entry the picture explains.
    void setzeSystem(int index);
    int system() const { return index_; }
    // The picture at screen resolution.
    QImage bild() const;
    // Prints the picture at (250, 250) printer pixels, scaled from screen to printer resolution.
    void drucken(QPrinter& drucker) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    void zeichnen(QPainter& maler) const;
    int index_ = -1;
};

}  // namespace quintaro

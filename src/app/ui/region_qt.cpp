#include "app/ui/region_qt.h"

#include <QRegularExpression>

namespace quintaro {

Regionaleinstellungen RegionAus(const QLocale& locale) {
    Regionaleinstellungen r;
    r.dezimalzeichen = locale.decimalPoint().toStdString();
    r.tausenderzeichen = locale.groupSeparator().toStdString();
    // The short format decides the order and separator; the year always gets four digits.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype t = format.indexOf('d'), m = format.indexOf('M'), j = format.indexOf('y');
    if (j >= 0 && t >= 0 && m >= 0) {
        if (j < m && m < t)
            r.datumsfolge = Regionaleinstellungen::Datumsfolge::JahrMonatTag;
        else if (m < t)
            r.datumsfolge = Regionaleinstellungen::Datumsfolge::MonatTagJahr;
        else
            r.datumsfolge = Regionaleinstellungen::Datumsfolge::TagMonatJahr;
    }
    for (QChar c : format)
        if (!c.isLetter()) {
            r.datumstrenner = QString(c).toStdString();
            break;
        }
    // Currency: the symbol before or after the digits, as the locale writes 1.
    const QString probe = locale.toCurrencyString(1.0, "€");
    const qsizetype ziffer = probe.indexOf(locale.toString(1));
    const qsizetype symbol = probe.indexOf("€");
    if (ziffer >= 0 && symbol >= 0 && symbol < ziffer) {
        r.vorWaehrung = probe.left(ziffer).toStdString();
        r.nachWaehrung.clear();
    } else {
        r.vorWaehrung.clear();
        r.nachWaehrung = symbol > 0 ? probe.mid(probe.lastIndexOf(QRegularExpression("[0-9]")) + 1).toStdString() : " €";
    }
    return r;
}

}  // namespace quintaro

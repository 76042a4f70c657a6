#pragma once
#include <QLocale>

#include "core/formatierung.h"

namespace quintaro {

// The regional settings of a Qt locale, as the formatting layer wants them.
Regionaleinstellungen RegionAus(const QLocale& locale);

}  // namespace quintaro

#pragma once
// Engine texts (UTF-8) as Qt strings, and the caption every window carries.
#include <QString>
#include <string_view>

namespace quintaro {

inline QString AlsQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// "Quintaro 1.3.1.0"
QString FensterTitel();

}  // namespace quintaro

#pragma once
// The benchmarks that build windows also run on a machine without a display:
// they use the offscreen platform unless QT_QPA_PLATFORM names another.
#include <QtGlobal>

namespace bench {

inline void OffscreenWennKeinePlattform() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace bench

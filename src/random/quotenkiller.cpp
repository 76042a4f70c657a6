#include "random/quotenkiller.h"

namespace quintaro {

TZahlenMenge& KillerMenge() {
    static TZahlenMenge menge;
    return menge;
}

}  // namespace quintaro

#include "app/programmwerte.h"

namespace quintaro {

Programmwerte& Werte() {
    static Programmwerte werte;
    return werte;
}

}  // namespace quintaro

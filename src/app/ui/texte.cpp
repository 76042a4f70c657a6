#include "app/ui/texte.h"

#include "core/spielregeln.h"

namespace quintaro {

QString FensterTitel() { return AlsQString(Produktname) + ' ' + AlsQString(Version); }

}  // namespace quintaro

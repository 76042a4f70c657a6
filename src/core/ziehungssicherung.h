#pragma once
// The history is replaced only after its previous state was kept as
// "GZ.645.bak" beside it. Both the download and the import go this way.
#include <filesystem>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

// Copies the history to the backup (replacing an older backup); a missing
// history leaves the backup as it is. Throws DateiFehler.
void ZiehungsdateiSichern(const std::filesystem::path& historie, const std::filesystem::path& sicherung);

// Backs the history up, then rewrites it with the draws. Throws DateiFehler;
// the history stays as it was when the backup or the write fails.
void ZiehungsdateiErsetzen(const std::filesystem::path& historie, const std::filesystem::path& sicherung,
                           const std::vector<TGewZahlen>& ziehungen);

}  // namespace quintaro

#pragma once
// The draw history and the quotas as the commands read them: files named on
// the command line, and the three views of the history.
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro::cli {

// The draws of the file; what looks damaged is reported on `err` and the draws
// are used as they stand. A missing file is an error here, not an empty history.
std::vector<TGewZahlen> ZiehungenAusDatei(const std::filesystem::path& datei, std::ostream& err);

// The quota records of the file, the same way.
std::vector<TQuoten> QuotenAusDatei(const std::filesystem::path& datei, std::ostream& err);

// "all", "sun" or "wed" as the view number 0, 1 or 2.
int AnsichtNummer(const std::string& ansicht);

}  // namespace quintaro::cli

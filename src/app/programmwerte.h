#pragma once
// Program-wide values set once during start-up.
#include <filesystem>

namespace quintaro {

struct Programmwerte {
    std::filesystem::path programmordner;
    std::filesystem::path downloadDatei;  // temporary file of the download probe
    int bildschirmBreite = 0;
    int bildschirmHoehe = 0;
    int katalogGroesse = 0;
    // Whether the download window asks before fetching the draw history when
    // there are no draws; cleared by windows that have just asked themselves.
    bool downloadNachfragen = true;
};

Programmwerte& Werte();

}  // namespace quintaro

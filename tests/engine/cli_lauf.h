#pragma once
// Runs a quintaro-cli command line in-process and keeps what it printed.
#include <sstream>
#include <string>
#include <vector>

#include "cli/befehle.h"

struct CliLauf {
    int status = 0;
    std::string aus, fehler;
};

inline CliLauf Cli(const std::vector<std::string>& args) {
    std::ostringstream aus, fehler;
    CliLauf lauf;
    lauf.status = quintaro::cli::Ausfuehren(args, aus, fehler);
    lauf.aus = aus.str();
    lauf.fehler = fehler.str();
    return lauf;
}

// The lines of a command's output.
inline std::vector<std::string> Zeilen(const std::string& text) {
    std::vector<std::string> z;
    std::istringstream in(text);
    for (std::string zeile; std::getline(in, zeile);) z.push_back(zeile);
    return z;
}

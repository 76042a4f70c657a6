#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace quintaro::cli {

// Runs one command line (without the program name); returns the exit status.
int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quintaro::cli

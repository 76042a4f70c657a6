#pragma once
// One function per command group; each lives in its own befehl_<gruppe>.cpp.
// Errors are thrown as exceptions with the German text; Ausfuehren prints them.
#include <ostream>
#include <string>
#include <vector>

namespace quintaro::cli {

using Befehl = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int BefehlBinomial(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlQuota(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quintaro::cli

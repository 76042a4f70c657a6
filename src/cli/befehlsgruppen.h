#pragma once
// One function per command group; each lives in its own befehl_<gruppe>.cpp.
// Errors are thrown as exceptions with the German text; Ausfuehren prints them.
#include <ostream>
#include <string>
#include <vector>

namespace quintaro::cli {

using Befehl = int (*)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int BefehlSystems(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlBinomial(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlEvaluate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlQuota(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlClassify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlDraws(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int BefehlXlsx(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Engine texts separate sentences with "\r\r"; on a terminal they become line breaks.
std::string AlsZeilen(std::string text);

}  // namespace quintaro::cli

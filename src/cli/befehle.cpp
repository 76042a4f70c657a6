#include "cli/befehle.h"

#include "core/kombinatorik.h"

namespace quintaro::cli {

int Ausfuehren(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() == 3 && args[0] == "binomial") {
        out << Binomial(std::stoi(args[1]), std::stoi(args[2])) << '\n';
        return 0;
    }
    err << "Unbekannter Befehl.\n";
    return 1;
}

}  // namespace quintaro::cli

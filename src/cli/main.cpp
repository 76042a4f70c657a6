// quintaro-cli: the engine's functions on the command line. Plain text, one
// record per line, fields separated by tabs; errors in German on stderr, exit 1.
#include <iostream>

#include "cli/befehle.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return quintaro::cli::Ausfuehren(args, std::cout, std::cerr);
}

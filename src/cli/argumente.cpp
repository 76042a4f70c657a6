#include "cli/argumente.h"

#include <algorithm>
#include <stdexcept>

namespace quintaro::cli {

Argumente::Argumente(const std::vector<std::string>& args, const std::vector<std::string>& flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.size() > 2 && a.rfind("--", 0) == 0) {
            const std::string name = a.substr(2);
            if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
                optionen_[name] = "";
            } else {
                if (i + 1 >= args.size()) throw std::invalid_argument("Der Option --" + name + " fehlt ihr Wert.");
                optionen_[name] = args[++i];
            }
        } else {
            positionen_.push_back(a);
        }
    }
}

std::optional<std::string> Argumente::option(const std::string& name) const {
    const auto it = optionen_.find(name);
    if (it == optionen_.end()) return std::nullopt;
    return it->second;
}

std::string Argumente::pflicht(const std::string& name) const {
    const auto wert = option(name);
    if (!wert) throw std::invalid_argument("Die Option --" + name + " fehlt.");
    return *wert;
}

int GanzeZahl(const std::string& text, const std::string& was) {
    std::size_t pos = 0;
    int wert = 0;
    try {
        wert = std::stoi(text, &pos);
    } catch (const std::exception&) {
        pos = 0;
    }
    if (pos == 0 || pos != text.size())
        throw std::invalid_argument("\"" + text + "\" ist keine ganze Zahl (" + was + ").");
    return wert;
}

std::vector<int> ZahlenListe(const std::string& text, const std::string& was) {
    std::vector<int> zahlen;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t ende = std::min(text.find(',', start), text.size());
        zahlen.push_back(GanzeZahl(text.substr(start, ende - start), was));
        start = ende + 1;
    }
    return zahlen;
}

}  // namespace quintaro::cli

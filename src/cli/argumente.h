#pragma once
// Command-line arguments: positional words and "--name value" options.
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quintaro::cli {

class Argumente {
public:
    // Options named in `flags` take no value.
    explicit Argumente(const std::vector<std::string>& args, const std::vector<std::string>& flags = {});

    const std::vector<std::string>& positionen() const { return positionen_; }
    std::optional<std::string> option(const std::string& name) const;
    bool hat(const std::string& name) const { return optionen_.count(name) != 0; }
    // The option's value or throws a German error that names it.
    std::string pflicht(const std::string& name) const;

private:
    std::vector<std::string> positionen_;
    std::map<std::string, std::string> optionen_;
};

// A whole number, or throws std::invalid_argument with a German text naming `was`.
int GanzeZahl(const std::string& text, const std::string& was);
// Comma-separated whole numbers ("3,9,14").
std::vector<int> ZahlenListe(const std::string& text, const std::string& was);

}  // namespace quintaro::cli

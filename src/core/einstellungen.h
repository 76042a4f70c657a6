#pragma once
// The settings file "Einstellungen.ini": sections of key=value lines. Unknown
// sections and keys are kept. Every write takes effect in the file at once and
// replaces it atomically; a write that fails keeps neither the new value
// in the file nor in memory. A file that exists but cannot be read is reported
// once and then left alone for the rest of the run: writes keep their values
// in memory only, so no other window's settings are lost.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace quintaro {

class Einstellungen {
public:
    // Opens the settings file of the data folder (or the given file).
    Einstellungen();
    explicit Einstellungen(std::filesystem::path pfad);

    static bool DateiVorhanden();  // the test that (E) readers make
    // Who tells the user (in German) that a settings file cannot be read; called
    // once per file and run.
    static void SetzeMelder(std::function<void(const std::string&)> melder);

    std::string leseText(const std::string& sektion, const std::string& schluessel, const std::string& vorgabe) const;
    int leseZahl(const std::string& sektion, const std::string& schluessel, int vorgabe) const;
    bool leseSchalter(const std::string& sektion, const std::string& schluessel, bool vorgabe) const;

    void schreibeText(const std::string& sektion, const std::string& schluessel, const std::string& wert);
    void schreibeZahl(const std::string& sektion, const std::string& schluessel, int wert);
    void schreibeSchalter(const std::string& sektion, const std::string& schluessel, bool wert);
    void loescheSektion(const std::string& sektion);

private:
    struct Eintrag {
        std::string schluessel, wert;
        bool roh = false;  // a line that is no key=value pair, kept as it stands
    };
    struct Sektion {
        std::string name;
        std::vector<Eintrag> eintraege;
    };
    const std::string* finde(const std::string& sektion, const std::string& schluessel) const;
    void speichern() const;
    // A save that fails leaves the values as they were before the change, as the file still has them.
    void speichernOderZurueck(const std::vector<Sektion>& vorher);

    std::filesystem::path pfad_;
    bool gesperrt_ = false;  // the file could not be read: it is never written
    std::vector<std::string> vorspann_;  // lines before the first section, kept as they are
    std::vector<Sektion> sektionen_;
};

}  // namespace quintaro

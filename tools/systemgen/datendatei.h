#pragma once
// Reading the tables compiled into the engine and writing the generated source file.
#include <filesystem>
#include <vector>

#include "reihen.h"

namespace systemgen {

// The 348 tables of a generated file; a table that is missing or does not fit its catalogue entry comes back empty.
std::vector<Reihen> LiesDatendatei(const std::filesystem::path& pfad);

void SchreibeDatendatei(const std::filesystem::path& pfad, const std::vector<Reihen>& tabellen);

// Runs `aendern` on the file's tables and writes them back, holding a lock file
// so that generator runs side by side do not undo each other's results.
template <typename F>
void DatendateiAendern(const std::filesystem::path& pfad, F&& aendern);

class DateiSperre {
public:
    explicit DateiSperre(const std::filesystem::path& pfad);
    ~DateiSperre();
    DateiSperre(const DateiSperre&) = delete;
    DateiSperre& operator=(const DateiSperre&) = delete;

private:
    int fd_;
};

template <typename F>
void DatendateiAendern(const std::filesystem::path& pfad, F&& aendern) {
    DateiSperre sperre(pfad);
    auto tabellen = LiesDatendatei(pfad);
    if (aendern(tabellen)) SchreibeDatendatei(pfad, tabellen);
}

}  // namespace systemgen

#pragma once
// A fresh folder for one test, removed afterwards.
#include <filesystem>
#include <random>
#include <string>

class TempOrdner {
public:
    TempOrdner() {
        std::random_device zufall;
        pfad_ = std::filesystem::temp_directory_path() / ("quintaro-test-" + std::to_string(zufall()));
        std::filesystem::create_directories(pfad_);
    }
    ~TempOrdner() {
        std::error_code ec;
        std::filesystem::remove_all(pfad_, ec);
    }
    TempOrdner(const TempOrdner&) = delete;
    TempOrdner& operator=(const TempOrdner&) = delete;
    const std::filesystem::path& pfad() const { return pfad_; }

private:
    std::filesystem::path pfad_;
};

#pragma once
// The official system tickets of the game: code, banker and Wahlzahl counts and rows.
#include <array>
#include <cstdint>
#include <string_view>

namespace quintaro {

struct TScheinSystem {
    std::uint8_t BZ = 0;
    std::uint8_t WZ = 0;
    std::string_view Code;
    std::int32_t TR = 0;
};

// Official system tickets 0..48; entry 0 stands for no system.
const std::array<TScheinSystem, 49>& ScheinSystemTabelle();

}  // namespace quintaro

#include "random/zufallsgenerator.h"

#include <chrono>

namespace quintaro {

void TZufallsgenerator::Neusaat(std::uint64_t zaehler) {
    const std::uint32_t alt = random(2147483647u);
    zustand_ = std::uint32_t(zaehler) ^ std::uint32_t(zaehler >> 32) ^ alt;
}

void TZufallsgenerator::Neusaat() {
    Neusaat(std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

}  // namespace quintaro

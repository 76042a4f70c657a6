#pragma once
// The random generator of the random tips: a 32-bit linear congruential
// generator. Each generation run reseeds it once from the high-resolution
// clock mixed with a value drawn from its previous state, so two runs in quick
// succession still differ; a fixed state makes a run repeatable.
#include <cstdint>

namespace quintaro {

class TZufallsgenerator {
public:
    explicit TZufallsgenerator(std::uint32_t zustand = 0) : zustand_(zustand) {}

    // Advances the state and returns a value in 0..n - 1: the upper 32 bits of
    // the 64-bit product state × n.
    std::uint32_t random(std::uint32_t n) {
        zustand_ = zustand_ * 134775813u + 1u;
        return std::uint32_t((std::uint64_t(zustand_) * n) >> 32);
    }

    // The new state: the low and the high half of the counter, exclusive-or'ed
    // with random(2147483647) of the previous state.
    void Neusaat(std::uint64_t zaehler);
    // As above with the high-resolution clock as the counter.
    void Neusaat();

    std::uint32_t Zustand() const { return zustand_; }
    void SetzeZustand(std::uint32_t zustand) { zustand_ = zustand; }

private:
    std::uint32_t zustand_;
};

}  // namespace quintaro

#pragma once
// A set of the numbers 0..255, held as four 64-bit words. Rows, draws, banker
// numbers and chosen numbers are all such sets; hits are the size of an
// intersection.
#include <array>
#include <bit>
#include <cstdint>
#include <initializer_list>
#include <vector>

namespace quintaro {

class TZahlenMenge {
public:
    constexpr TZahlenMenge() = default;
    constexpr TZahlenMenge(std::initializer_list<int> zahlen) {
        for (int z : zahlen) hinzu(z);
    }

    constexpr void hinzu(int z) { w_[unsigned(z) >> 6] |= bit(z); }
    constexpr void entferne(int z) { w_[unsigned(z) >> 6] &= ~bit(z); }
    constexpr bool enthaelt(int z) const {
        return z >= 0 && z < 256 && (w_[unsigned(z) >> 6] & bit(z)) != 0;
    }
    constexpr int anzahl() const {
        return std::popcount(w_[0]) + std::popcount(w_[1]) + std::popcount(w_[2]) + std::popcount(w_[3]);
    }
    constexpr bool leer() const { return (w_[0] | w_[1] | w_[2] | w_[3]) == 0; }
    constexpr void leeren() { w_ = {}; }

    // Members in ascending order.
    std::vector<int> zahlen() const {
        std::vector<int> r;
        for (int i = 0; i < 4; ++i)
            for (std::uint64_t w = w_[i]; w; w &= w - 1) r.push_back(i * 64 + std::countr_zero(w));
        return r;
    }

    friend constexpr TZahlenMenge operator&(TZahlenMenge a, const TZahlenMenge& b) {
        for (int i = 0; i < 4; ++i) a.w_[i] &= b.w_[i];
        return a;
    }
    friend constexpr TZahlenMenge operator|(TZahlenMenge a, const TZahlenMenge& b) {
        for (int i = 0; i < 4; ++i) a.w_[i] |= b.w_[i];
        return a;
    }
    // Set difference a \ b.
    friend constexpr TZahlenMenge operator-(TZahlenMenge a, const TZahlenMenge& b) {
        for (int i = 0; i < 4; ++i) a.w_[i] &= ~b.w_[i];
        return a;
    }
    friend constexpr bool operator==(const TZahlenMenge&, const TZahlenMenge&) = default;

    // Number of common members.
    friend constexpr int Treffer(const TZahlenMenge& a, const TZahlenMenge& b) {
        return std::popcount(a.w_[0] & b.w_[0]) + std::popcount(a.w_[1] & b.w_[1]) +
               std::popcount(a.w_[2] & b.w_[2]) + std::popcount(a.w_[3] & b.w_[3]);
    }

    // The lottery numbers 1..63 live in the first word; fast paths use it directly.
    constexpr std::uint64_t wort(int i) const { return w_[i]; }

private:
    static constexpr std::uint64_t bit(int z) { return std::uint64_t{1} << (unsigned(z) & 63); }
    std::array<std::uint64_t, 4> w_{};
};

}  // namespace quintaro

#include "core/scheinsysteme.h"

#include "core/kombinatorik.h"

namespace quintaro {

namespace {
std::array<TScheinSystem, 49> BaueScheinSysteme() {
    static constexpr std::string_view codes[] = {
        "",    "007", "008", "009", "010", "011", "012", "107", "108", "109", "110", "111", "206",
        "207", "208", "209", "210", "211", "212", "213", "305", "306", "307", "308", "309", "310",
        "311", "312", "313", "314", "315", "316", "317", "318", "405", "406", "407", "408", "409",
        "410", "411", "412", "413", "414", "415", "416", "417", "418", "540"};
    std::array<TScheinSystem, 49> t{};
    t[0] = {100, 100, "", 100};
    for (int i = 1; i <= 48; ++i) {
        const auto code = codes[i];
        const int bz = code[0] - '0';
        const int wz = (code[1] - '0') * 10 + (code[2] - '0');
        t[std::size_t(i)] = {std::uint8_t(bz), std::uint8_t(wz), code, std::int32_t(Binomial(wz, 6 - bz))};
    }
    return t;
}
}  // namespace

const std::array<TScheinSystem, 49>& ScheinSystemTabelle() {
    static const auto tabelle = BaueScheinSysteme();
    return tabelle;
}

}  // namespace quintaro

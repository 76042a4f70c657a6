#include "systems/katalog.h"

#include "core/kombinatorik.h"

namespace quintaro {

namespace {
struct Lauf {
    int erster, RG, GA;
    std::vector<int> WZ;
    std::vector<int> TR;
};

std::vector<int> Bereich(int von, int bis) {
    std::vector<int> r;
    for (int i = von; i <= bis; ++i) r.push_back(i);
    return r;
}

std::vector<int> Verbinde(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::array<TSysteme, AnzahlEingebauteSysteme> BaueEingebaute() {
    const std::vector<Lauf> laeufe = {
        {0, 3, 2, Bereich(4, 40),
         {3, 4, 6, 7, 11, 12, 17, 19, 24, 26, 33, 36, 43, 46, 54, 57, 67, 70, 81, 85, 96, 100, 113, 117, 131, 136,
          150, 155, 171, 176, 193, 196, 216, 222, 241, 247, 267}},
        {37, 4, 3, Bereich(7, 20), {12, 14, 25, 30, 47, 57, 78, 91, 124, 140, 183, 207, 258, 285}},
        {51, 5, 3, Bereich(7, 23), {5, 8, 12, 17, 20, 29, 34, 43, 56, 65, 68, 94, 108, 133, 151, 172, 187}},
        {68, 5, 2, Bereich(6, 50),
         {3,  3,  4,  5,  6,  7,  9,  10, 12, 13, 15, 16, 18, 19, 21, 21, 27, 28, 30, 30, 37, 38,  40,
          43, 48, 50, 52, 55, 62, 63, 66, 68, 76, 78, 82, 82, 93, 95, 98, 99, 111, 113, 117, 124, 130}},
        {113, 5, 4, Bereich(6, 14), {5, 9, 20, 30, 51, 66, 113, 157, 229}},
        {122, 5, 0, Bereich(32, 50), {28, 30, 31, 33, 34, 36, 37, 39, 40, 42, 42, 48, 49, 51, 51, 57, 58, 60, 60}},
        {141, 5, 0, Bereich(9, 50),
         {2,   2,   5,   6,   8,   10,  13,  14,  18,  22,  26,  32,  37,  40,  49,  54,  63,  68,  77,  86,  97,
          102, 111, 124, 133, 136, 162, 176, 201, 216, 240, 255, 280, 295, 320, 338, 359, 374, 411, 432, 447, 491}},
        {183, 5, 0, Verbinde(Verbinde({12}, Bereich(14, 36)), Bereich(38, 50)),
         {4,  6,  8,  10, 12,  14,  17,  20,  24,  27,  31,  36,  39,  44,  51,  57,  63,  71,  77,
          86, 95, 104, 111, 120, 140, 151, 163, 175, 189, 205, 219, 237, 256, 276, 296, 316, 338}},
        {220, 4, 2, Bereich(5, 36),
         {3, 3, 5, 6, 8, 9, 11, 12, 13, 18, 19, 20, 26, 27, 31, 35, 37, 39, 46, 48, 50, 59, 61, 63, 73, 75, 78, 88,
          91, 94, 105, 108}},
        {252, 6, 2, Bereich(7, 30),
         {3, 3, 3, 4, 6, 6, 7, 7, 10, 10, 12, 12, 15, 16, 17, 19, 21, 22, 23, 24, 27, 28, 30, 31}},
        {276, 6, 3, Bereich(7, 26), {4, 4, 7, 10, 11, 15, 21, 25, 31, 38, 44, 48, 60, 71, 77, 77, 104, 116, 130, 130}},
        {296, 6, 4, Bereich(7, 18), {5, 7, 12, 20, 32, 41, 66, 80, 117, 152, 188, 236}},
        {308, 6, 5, Bereich(7, 13), {6, 12, 30, 50, 100, 132, 245}},
        {315, 6, 2, Bereich(31, 49),
         {31, 38, 39, 40, 42, 47, 50, 52, 54, 55, 59, 63, 65, 67, 70, 73, 79, 81, 82}},
        {334, 4, 2, Bereich(37, 49), {111, 124, 127, 130, 144, 147, 151, 165, 169, 173, 188, 192, 196}},
        {347, 6, 4, {24}, {784}},
    };
    std::array<TSysteme, AnzahlEingebauteSysteme> tabelle{};
    for (const auto& lauf : laeufe)
        for (std::size_t i = 0; i < lauf.WZ.size(); ++i)
            tabelle[std::size_t(lauf.erster) + i] = {std::uint8_t(lauf.RG), std::uint8_t(lauf.WZ[i]),
                                                     std::uint8_t(lauf.GA), std::uint16_t(lauf.TR[i])};
    return tabelle;
}

}  // namespace

const std::array<TSysteme, AnzahlEingebauteSysteme>& EingebauteSysteme() {
    static const auto tabelle = BaueEingebaute();
    return tabelle;
}

std::vector<TSysteme> KatalogBauen(int grenze) {
    const auto& eingebaut = EingebauteSysteme();
    std::vector<TSysteme> katalog(eingebaut.begin(), eingebaut.end());
    for (int rg = 1; rg <= 6; ++rg) {
        for (int k = rg == 1 ? 38 : 0;; ++k) {
            const int wz = rg + 1 + k;
            const std::int64_t n = Binomial(wz, rg);
            if (n > grenze || k + 6 >= 45) break;
            katalog.push_back({std::uint8_t(rg), std::uint8_t(wz), std::uint8_t(rg), std::uint16_t(n)});
        }
    }
    return katalog;
}

const std::vector<TSysteme>& SystemKatalog() {
    static const auto katalog = KatalogBauen(VollsystemGrenze);
    return katalog;
}

int ScheinSystemNummer(const TSysteme& s) {
    const auto& t = ScheinSystemTabelle();
    for (int j = 1; j <= 48; ++j)
        if (t[std::size_t(j)].WZ == s.WZ && t[std::size_t(j)].BZ == 6 - s.RG && t[std::size_t(j)].TR == s.TR &&
            s.GA == 6 - t[std::size_t(j)].BZ)
            return j;
    return 0;
}

bool IstScheinSystem(const std::vector<TSysteme>& katalog, int index) {
    return index >= 0 && std::size_t(index) < katalog.size() && ScheinSystemNummer(katalog[std::size_t(index)]) != 0;
}

bool IstScheinSystem(int index) { return IstScheinSystem(SystemKatalog(), index); }

}  // namespace quintaro

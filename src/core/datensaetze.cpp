#include "core/datensaetze.h"

#include <bit>
#include <cstring>

namespace quintaro {

namespace {
std::uint64_t LiesU64(const std::uint8_t* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
    return v;
}
void SchreibU64(std::uint64_t v, std::uint8_t* p) {
    for (int i = 0; i < 8; ++i) p[i] = std::uint8_t(v >> (8 * i));
}
double LiesDouble(const std::uint8_t* p) { return std::bit_cast<double>(LiesU64(p)); }
void SchreibDouble(double d, std::uint8_t* p) { SchreibU64(std::bit_cast<std::uint64_t>(d), p); }
}  // namespace

TGewZahlen GewZahlenAus(const std::uint8_t* p) {
    TGewZahlen z;
    z.datum = LiesDouble(p);
    for (int i = 1; i <= 6; ++i) z.GZ[i] = p[7 + i];
    z.ZZ = p[14];
    z.fueller = p[15];
    return z;
}

void GewZahlenNach(const TGewZahlen& z, std::uint8_t* p) {
    SchreibDouble(z.datum, p);
    for (int i = 1; i <= 6; ++i) p[7 + i] = z.GZ[i];
    p[14] = z.ZZ;
    p[15] = z.fueller;
}

TQuoten QuotenAus(const std::uint8_t* p) {
    TQuoten q;
    q.datum = LiesDouble(p);
    for (int k = 1; k <= 8; ++k) q.q[k] = static_cast<Currency>(LiesU64(p + 8 * k));
    return q;
}

void QuotenNach(const TQuoten& q, std::uint8_t* p) {
    SchreibDouble(q.datum, p);
    for (int k = 1; k <= 8; ++k) SchreibU64(static_cast<std::uint64_t>(q.q[k]), p + 8 * k);
}

TSystemscheinSatz SystemscheinAus(const std::uint8_t* p) {
    TSystemscheinSatz s;
    s.system = p[0];
    std::memcpy(s.bank.data(), p + 1, 5);
    std::memcpy(s.wahl.data(), p + 6, 40);
    return s;
}

void SystemscheinNach(const TSystemscheinSatz& s, std::uint8_t* p) {
    p[0] = s.system;
    std::memcpy(p + 1, s.bank.data(), 5);
    std::memcpy(p + 6, s.wahl.data(), 40);
}

}  // namespace quintaro

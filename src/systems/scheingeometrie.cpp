#include "systems/scheingeometrie.h"

#include <array>

namespace quintaro {

namespace {
constexpr std::array<int, 8> kZahlenZeilen = {0, 20, 41, 61, 82, 102, 122, 143};
constexpr std::array<int, 12> kSystemZeilen = {0, 21, 41, 62, 82, 103, 123, 143, 164, 185, 205, 225};
constexpr int kWahlVersatz = 164;  // the Wahlzahl field lies below the banker field
constexpr int kZahlenfeldRechts = 123;
constexpr int kWahlfeldOben = 167;
// The right edge of each system column's click range.
constexpr std::array<int, 4> kSpaltenRechts = {204, 344, 484, 624};

std::optional<Kreuzstelle> ZahlBei(Kreuzart art, int a, int b) {
    for (int n = 1; n <= 45; ++n) {
        const Kaestchen k = art == Kreuzart::Bank ? BankKaestchen(n) : WahlKaestchen(n);
        if (k.enthaelt(a, b)) return Kreuzstelle{art, n};
    }
    return std::nullopt;
}
}  // namespace

Kaestchen BankKaestchen(int zahl) {
    const int i = (zahl - 1) / 6, j = (zahl - 1) % 6 + 1;
    return {8 + 20 * (j - 1), 9 + kZahlenZeilen[std::size_t(i)]};
}

Kaestchen WahlKaestchen(int zahl) {
    Kaestchen k = BankKaestchen(zahl);
    k.y += kWahlVersatz;
    return k;
}

Kaestchen SystemKaestchen(int system) {
    const int c = (system - 1) / SystemeJeSpalte, j = (system - 1) % SystemeJeSpalte;
    return {188 + 140 * c, 50 + kSystemZeilen[std::size_t(j)]};
}

Kaestchen KaestchenVon(Kreuzstelle stelle) {
    switch (stelle.art) {
        case Kreuzart::Bank: return BankKaestchen(stelle.zahl);
        case Kreuzart::Wahl: return WahlKaestchen(stelle.zahl);
        case Kreuzart::System: break;
    }
    return SystemKaestchen(stelle.zahl);
}

int KreuzX(const Kaestchen& k) { return k.x + 5; }
int KreuzY(const Kaestchen& k) { return k.y + 2; }

std::optional<Kreuzstelle> KaestchenBei(int a, int b) {
    if (a > kZahlenfeldRechts) {
        for (int c = 0; c < SystemSpalten; ++c) {
            if (a > kSpaltenRechts[std::size_t(c)]) continue;
            for (int s = c * SystemeJeSpalte + 1; s <= (c + 1) * SystemeJeSpalte; ++s)
                if (SystemKaestchen(s).enthaelt(a, b)) return Kreuzstelle{Kreuzart::System, s};
            return std::nullopt;
        }
        return std::nullopt;
    }
    return ZahlBei(b < kWahlfeldOben ? Kreuzart::Bank : Kreuzart::Wahl, a, b);
}

int FormGruppe(int system) { return (system + SystemeJeSpalte - 1) / SystemeJeSpalte; }

}  // namespace quintaro

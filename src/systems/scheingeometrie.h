#pragma once
// The layout of the official system ticket form: the banker field (BANK),
// the Wahlzahl field (WAHL) and the 48 system boxes in four columns of twelve.
// One geometry serves painting the form, placing the cross marks and hit tests.
// Coordinates are pixels of the form picture, which sits at (BildRandX,
// BildRandY) in the area that receives the clicks.
#include <optional>

namespace quintaro {

enum class Kreuzart { Bank = 1, Wahl = 2, System = 3 };

struct Kaestchen {
    int x = 0, y = 0;  // top left; every box is KaestchenGroesse square
    bool enthaelt(int a, int b) const { return a >= x && a < x + KaestchenGroesse && b >= y && b < y + KaestchenGroesse; }
    static constexpr int KaestchenGroesse = 16;
};

struct Kreuzstelle {
    Kreuzart art;
    int zahl;  // number 1..45 or system 1..48
    friend bool operator==(const Kreuzstelle&, const Kreuzstelle&) = default;
};

constexpr int BildBreite = 708;
constexpr int BildHoehe = 335;
constexpr int BildRandX = 5;
constexpr int BildRandY = 10;
constexpr int SystemSpalten = 4;
constexpr int SystemeJeSpalte = 12;

Kaestchen BankKaestchen(int zahl);
Kaestchen WahlKaestchen(int zahl);
Kaestchen SystemKaestchen(int system);
Kaestchen KaestchenVon(Kreuzstelle stelle);
// Where a cross mark of the box is drawn (its top left).
int KreuzX(const Kaestchen& k);
int KreuzY(const Kaestchen& k);

// The box hit by a click at (a, b) in picture coordinates; none outside every box.
std::optional<Kreuzstelle> KaestchenBei(int a, int b);

// The form group (1..4, the column of the system field) of a ticket system.
int FormGruppe(int system);

}  // namespace quintaro

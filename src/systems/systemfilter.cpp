#include "systems/systemfilter.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/einstellungen.h"
#include "core/kombinatorik.h"
#include "systems/katalog.h"
#include "systems/systembeschreibung.h"

namespace quintaro {

namespace {
const std::string Sektion = "Filter";

// Row counts that lie in one band count as alike, bounds included.
constexpr std::array<std::array<int, 2>, 10> Baender = {{
    {0, 12}, {10, 20}, {18, 30}, {28, 40}, {36, 48}, {44, 60}, {54, 72}, {66, 88}, {80, 104}, {96, 124}}};

std::string WertOderX(int wert, bool egal) { return egal ? "X" : std::to_string(wert); }
}  // namespace

bool ReihenAnzahlImBereich(int TR, int ziel) {
    for (const auto& [von, bis] : Baender)
        if (TR >= von && TR <= bis && ziel >= von && ziel <= bis) return true;
    // Rounded half to even, as the default rounding mode does.
    const double unten = std::nearbyint(ziel / 1.333333);
    const double oben = std::nearbyint(ziel * 1.25);
    return TR >= unten && TR <= oben;
}

void TSystemfilter::Slider1Change(int wert) {
    s_.Slider1 = std::clamp(wert, Slider1Min, Slider1Max);
    s_.cb1 = false;
}

void TSystemfilter::Slider3Change(int wert) {
    s_.Slider3 = std::clamp(wert, 0, s_.Slider3Max);
    s_.cb3 = false;
}

void TSystemfilter::Slider4Change(int wert) {
    s_.Slider4 = std::clamp(wert, Slider4Min, s_.Slider4Max);
    s_.cb4 = false;
}

void TSystemfilter::Slider5Change(int wert) {
    s_.Slider5 = std::clamp(wert, 0, Slider5Max);
    s_.cb5 = false;
    setzeSlider3Max(6 - s_.Slider5);
}

void TSystemfilter::Radio3Click(int index) { s_.Radio3 = index == 0 ? 0 : 1; }
void TSystemfilter::Radio5Click(int index) { s_.Radio5 = index == 0 ? 0 : 1; }
void TSystemfilter::cb1Click(bool an) { s_.cb1 = an; }
void TSystemfilter::cb3Click(bool an) { s_.cb3 = an; }
void TSystemfilter::cb4Click(bool an) { s_.cb4 = an; }

void TSystemfilter::cb5Click(bool an) {
    s_.cb5 = an;
    setzeSlider3Max(an ? 6 - s_.Slider5 : 6);
}

void TSystemfilter::BFilternExClick() { s_.cb1 = s_.cb3 = s_.cb4 = s_.cb5 = true; }

// A lower maximum moves the slider down with it, which counts as moving it.
void TSystemfilter::setzeSlider3Max(int maximum) {
    s_.Slider3Max = maximum;
    if (s_.Slider3 > maximum) Slider3Change(maximum);
}

bool TSystemfilter::Zwang() const {
    return s_.Radio5 == 1 && s_.Slider3 + s_.Slider5 >= 6 && !s_.cb5 && !s_.cb3;
}

std::string TSystemfilter::LSlider1() const { return WertOderX(s_.Slider1, s_.cb1); }
std::string TSystemfilter::LSlider3() const { return WertOderX(s_.Slider3, s_.cb3); }
std::string TSystemfilter::LSlider5() const { return WertOderX(s_.Slider5, s_.cb5); }
std::string TSystemfilter::LSlider4() const {
    if (Zwang()) return std::to_string(Binomial(s_.Slider1 - s_.Slider5, 6 - s_.Slider5));
    return WertOderX(s_.Slider4, s_.cb4);
}

bool TSystemfilter::ReihenAnzahlPasst(int TR, int ziel) const {
    return s_.cb4 || BInfo4Sichtbar() || ReihenAnzahlImBereich(TR, ziel);
}

Systemliste TSystemfilter::Filtern() {
    Systemliste liste;
    int m = s_.cb5 ? Slider5Max : s_.Slider5;
    const int k = s_.cb5 || s_.Radio5 == 0 ? 0 : m;
    m = std::min(m, Slider5Max);
    liste.BankMuss = m;
    if (!s_.cb3 && 6 - m < s_.Slider3) {
        Slider3Change(6 - m);
        s_.Radio3 = 1;
    }

    const auto& katalog = SystemKatalog();
    for (int n = k; n <= m; ++n)
        for (int c = 0; c < int(katalog.size()); ++c) {
            const TSysteme& e = katalog[std::size_t(c)];
            if (e.RG + n != 6 || e.WZ + n > 45) continue;
            if (!s_.cb1 && e.poolgroesse() != s_.Slider1) continue;
            if (!s_.cb3 && (s_.Radio3 == 0 ? e.GA < s_.Slider3 : e.GA != s_.Slider3)) continue;
            if (!ReihenAnzahlPasst(e.TR, s_.Slider4)) continue;
            const bool schein = IstScheinSystem(c);
            if (s_.cbNur && !schein) continue;
            liste.zeilen.push_back(schein ? "* " + SystemText(c) : SystemText(c));
            liste.indizes.push_back(c);
        }

    const std::size_t n = liste.zeilen.size();
    liste.LSysAnz = n == 0   ? "Keine Systeme gefunden"
                    : n == 1 ? "Ein System gefunden"
                             : std::to_string(n) + " Systeme gefunden";
    return liste;
}

// As on screen, a handler runs only when its control changes.
void TSystemfilter::Lesen(const Einstellungen& ini) {
    const auto zahl = [&](const char* schluessel, int vorgabe, int jetzt, void (TSystemfilter::*handler)(int)) {
        const int wert = ini.leseZahl(Sektion, schluessel, vorgabe);
        if (wert != jetzt) (this->*handler)(wert);
    };
    const auto schalter = [&](const char* schluessel, bool jetzt, void (TSystemfilter::*handler)(bool)) {
        const bool wert = ini.leseSchalter(Sektion, schluessel, false);
        if (wert != jetzt) (this->*handler)(wert);
    };
    zahl("ZP", 12, s_.Slider1, &TSystemfilter::Slider1Change);
    zahl("GA", 2, s_.Slider3, &TSystemfilter::Slider3Change);
    zahl("TR", 24, s_.Slider4, &TSystemfilter::Slider4Change);
    zahl("BZ", 0, s_.Slider5, &TSystemfilter::Slider5Change);
    zahl("GARadio", 0, s_.Radio3, &TSystemfilter::Radio3Click);
    zahl("BZRadio", 0, s_.Radio5, &TSystemfilter::Radio5Click);
    schalter("Scheinsysteme", s_.cbNur, &TSystemfilter::cbNurClick);
    schalter("ZPegal", s_.cb1, &TSystemfilter::cb1Click);
    schalter("GAegal", s_.cb3, &TSystemfilter::cb3Click);
    schalter("TRegal", s_.cb4, &TSystemfilter::cb4Click);
    schalter("BZegal", s_.cb5, &TSystemfilter::cb5Click);
}

void TSystemfilter::Schreiben(Einstellungen& ini) const {
    ini.schreibeZahl(Sektion, "ZP", s_.Slider1);
    ini.schreibeZahl(Sektion, "GA", s_.Slider3);
    ini.schreibeZahl(Sektion, "TR", s_.Slider4);
    ini.schreibeZahl(Sektion, "BZ", s_.Slider5);
    ini.schreibeZahl(Sektion, "GARadio", s_.Radio3);
    ini.schreibeZahl(Sektion, "BZRadio", s_.Radio5);
    ini.schreibeSchalter(Sektion, "Scheinsysteme", s_.cbNur);
    ini.schreibeSchalter(Sektion, "ZPegal", s_.cb1);
    ini.schreibeSchalter(Sektion, "GAegal", s_.cb3);
    ini.schreibeSchalter(Sektion, "TRegal", s_.cb4);
    ini.schreibeSchalter(Sektion, "BZegal", s_.cb5);
}

}  // namespace quintaro

#pragma once
// The filter of the system selection: pool size, guarantee, row count and
// banker numbers, each with a slider and an "egal" box, and how they limit one
// another. A window mirrors this state in its controls and calls the handler
// of the control the user moved.
#include <string>
#include <vector>

namespace quintaro {

class Einstellungen;

// The controls of the filter; the initial values are the designed ones that
// hold while there is no settings file.
struct Filterstand {
    int Slider1 = 13;     // pool size 4..45
    int Slider3 = 2;      // guarantee 0..Slider3Max
    int Slider3Max = 6;
    int Slider4 = 24;     // rows 5..Slider4Max
    int Slider4Max = 924;
    int Slider5 = 2;      // banker numbers 0..5
    int Radio3 = 1;       // 0 "mindestens", 1 "genau"
    int Radio5 = 1;       // 0 "maximal", 1 "genau"
    bool cbNur = false;   // official system tickets only
    bool cb1 = false, cb3 = false, cb4 = false, cb5 = false;  // the "egal" boxes
};

constexpr int Slider1Min = 4, Slider1Max = 45;
constexpr int Slider4Min = 5;
constexpr int Slider5Max = 5;

// The filtered system list: one line per system and its catalogue index.
struct Systemliste {
    std::vector<std::string> zeilen;
    std::vector<int> indizes;
    int BankMuss = 0;   // the banker maximum of the filter
    std::string LSysAnz;
};

class TSystemfilter {
public:
    const Filterstand& stand() const { return s_; }

    void Slider1Change(int wert);
    void Slider3Change(int wert);
    void Slider4Change(int wert);
    void Slider5Change(int wert);
    void Radio3Click(int index);
    void Radio5Click(int index);
    void cb1Click(bool an);
    void cb3Click(bool an);
    void cb4Click(bool an);
    void cb5Click(bool an);
    void cbNurClick(bool an) { s_.cbNur = an; }
    // Every "egal" box checked; does not filter.
    void BFilternExClick();

    // A full guarantee with an exact banker count: a full system, whose row count is fixed.
    bool Zwang() const;
    // The guarantee scale is limited by the banker numbers.
    bool BInfo3Sichtbar() const { return s_.Slider3Max < 6; }
    bool BInfo4Sichtbar() const { return Zwang(); }
    // The rows slider gives way to the fixed row count of that full system.
    bool Slider4Sichtbar() const { return !Zwang(); }
    std::string LSlider1() const;
    std::string LSlider3() const;
    std::string LSlider4() const;
    std::string LSlider5() const;

    // Filters the catalogue (may lower the guarantee slider first).
    Systemliste Filtern();
    // Whether a system with `TR` rows passes the row filter with target `ziel`.
    bool ReihenAnzahlPasst(int TR, int ziel) const;

    // The keys of section "Filter", applied in their order; nothing when the
    // settings file is missing.
    void Lesen(const Einstellungen& ini);
    void Schreiben(Einstellungen& ini) const;

private:
    void setzeSlider3Max(int maximum);
    Filterstand s_;
};

// The row filter's bands and tolerance, without the "egal" cases.
bool ReihenAnzahlImBereich(int TR, int ziel);

}  // namespace quintaro

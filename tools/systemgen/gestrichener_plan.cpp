#include "gestrichener_plan.h"

#include <algorithm>

#include "transversaldesign.h"

namespace systemgen {

namespace {
constexpr int q = 8;

Reihe Gruppe(int g) {
    Reihe r;
    for (int y = 1; y <= q; ++y) r.push_back(g * q + y);
    return r;
}

Reihe Ohne(Reihe r, int a, int b) {
    std::erase(r, a);
    std::erase(r, b);
    return r;
}

int WertAusGruppe(const Reihe& r, int g) {
    return *std::find_if(r.begin(), r.end(), [&](int w) { return (w - 1) / q == g; });
}
}  // namespace

Reihen SechserAuf47() {
    constexpr int gestrichen = 6 * q;  // last value of group F = 5
    Reihen reihen, durchGestrichenen;
    const auto plan = Transversaldesign(6, q);
    for (auto r : *plan)
        if (std::erase(r, gestrichen))
            durchGestrichenen.push_back(r);
        else
            reihen.push_back(r);
    // Two rows per group leave the pairs between {x1,x2} and {x3,x4} open.
    const auto zweiReihen = [&](int g, int x1, int x2, int x3, int x4) {
        reihen.push_back(Ohne(Gruppe(g), x3, x4));
        reihen.push_back(Ohne(Gruppe(g), x1, x2));
    };
    for (int g : {1, 2}) {
        Reihe* b = &durchGestrichenen[std::size_t(g - 1) * 4];
        int x[4];
        for (int i = 0; i < 4; ++i) x[i] = WertAusGruppe(b[i], g);
        zweiReihen(g, x[0], x[1], x[2], x[3]);
        b[0].push_back(x[2]);
        b[2].push_back(x[1]);
        b[1].push_back(x[3]);
        b[3].push_back(x[0]);
    }
    for (auto& r : durchGestrichenen) reihen.push_back(r);
    Reihe f = Gruppe(5);
    f.pop_back();  // the seven values left of F
    reihen.push_back(Reihe(f.begin(), f.begin() + 6));
    Reihe ohneF6 = f;
    ohneF6.erase(ohneF6.begin() + 5);
    reihen.push_back(ohneF6);
    for (int g : {0, 3, 4}) {
        const Reihe a = Gruppe(g);
        zweiReihen(g, a[4], a[5], a[6], a[7]);
        Reihe rest(a.begin() + 4, a.end());
        if (g == 0) rest.insert(rest.end(), {f[5], f[6]});
        else rest.insert(rest.end(), {a[0], a[1]});  // any two values more
        reihen.push_back(rest);
    }
    Ordnen(reihen);
    return reihen;
}

}  // namespace systemgen

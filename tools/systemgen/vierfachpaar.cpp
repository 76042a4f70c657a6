#include "vierfachpaar.h"

#include <cstdio>

#include "gruppendesign.h"

namespace systemgen {

namespace {
// A group shape: Z_m on c copies (points copy * m + residue), then x and y (fixed or swapped by the
// generator) and `fest` further fixed points; and the rows through x and y that stand for their orbits.
struct Form {
    Gruppe gruppe;
    Reihen xyZeilen;
};

Form NeueForm(int m, int c, bool tauschen, int fest, const std::vector<std::vector<int>>& xyPaare) {
    const int v = m * c + 2 + fest, x = m * c, y = x + 1;
    std::vector<int> p(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) p[std::size_t(i)] = i < x ? i / m * m + (i % m + 1) % m : i;
    if (tauschen) std::swap(p[std::size_t(x)], p[std::size_t(y)]);
    char name[32];
    std::snprintf(name, sizeof name, fest > 0 ? "Z%d^%d+%s+%d" : "Z%d^%d+%s", m, c, tauschen ? "(xy)" : "2", fest);
    Form f{{name, v, {p}, {}}, {}};
    // Values 1-based: the pair's partners are given 0-based among the copies or the fixed points after x, y.
    for (const auto& paar : xyPaare) f.xyZeilen.push_back({x + 1, y + 1, paar[0] + 1, paar[1] + 1});
    return f;
}

std::vector<Form> Moegliche(int v) {
    std::vector<Form> formen;
    for (int m : {8, 4}) {
        if ((v - 2) % m == 0 && (v - 2) / m >= 2) {
            const int c = (v - 2) / m;
            if (m == 8) formen.push_back(NeueForm(8, c, false, 0, {{0, 4}}));
            if (m == 4) {
                formen.push_back(NeueForm(4, c, false, 0, {{0, 4}}));
                formen.push_back(NeueForm(4, c, false, 0, {{0, 2}, {4, 6}}));
            }
        }
        if ((v - 3) % m == 0 && (v - 3) / m >= 2) {
            const int c = (v - 3) / m;
            formen.push_back(m == 8 ? NeueForm(8, c, true, 1, {{0, 4}}) : NeueForm(4, c, true, 1, {{0, 2}, {4, 6}}));
        }
    }
    // Z_3 with four fixed points x, y, a, b: the row {x, y, a, b} and one orbit of three rows through x, y.
    if ((v - 4) % 3 == 0) {
        const int c = (v - 4) / 3, a = 3 * c + 2;
        formen.push_back(NeueForm(3, c, false, 2, {{a, a + 1}, {0, 3}}));
    }
    // Z_2 (x and y fixed or swapped, one more fixed point when v is odd): four rows {x, y, p, p'} over 2-cycles.
    for (bool tauschen : {false, true})
        formen.push_back(NeueForm(2, (v - 2 - v % 2) / 2, tauschen, v % 2, {{0, 1}, {2, 3}, {4, 5}, {6, 7}}));
    return formen;
}
}  // namespace

std::optional<Vierfachergebnis> VierfachPaar(int v, int zeilen, int versuche, std::int64_t knoten,
                                             std::mt19937_64& zufall) {
    if (v % 12 != 7 && v % 12 != 10) return std::nullopt;
    for (const auto& form : Moegliche(v))
        for (int versuch = 0; versuch < versuche; ++versuch) {
            auto reihen = DesignMitGruppe(4, 2, form.gruppe, knoten, zufall(), form.xyZeilen);
            std::fprintf(stderr, "    Vierfachpaar %-12s Versuch %d: %s\n", form.gruppe.name.c_str(), versuch,
                         reihen ? "gefunden" : "nichts");
            if (reihen && int(reihen->size()) <= zeilen) {
                Auffuellen(*reihen, v, 4, std::size_t(zeilen));
                return Vierfachergebnis{*reihen, form.gruppe.name};
            }
        }
    return std::nullopt;
}

}  // namespace systemgen

#include "reihen.h"

#include <algorithm>
#include <set>

#include "core/kombinatorik.h"

namespace systemgen {

void Ordnen(Reihen& reihen) {
    for (auto& r : reihen) std::sort(r.begin(), r.end());
}

void Auffuellen(Reihen& reihen, int v, int k, std::size_t anzahl) {
    std::set<Reihe> vorhanden;
    for (auto r : reihen) {
        std::sort(r.begin(), r.end());
        vorhanden.insert(r);
    }
    quintaro::FuerAlleKombinationen(v, k, [&](const std::vector<int>& a) {
        if (reihen.size() >= anzahl) return false;
        if (!vorhanden.contains(a)) reihen.push_back(a);
        return true;
    });
}

Reihen Verschoben(const Reihen& reihen, int versatz) {
    Reihen r = reihen;
    for (auto& z : r)
        for (auto& w : z) w += versatz;
    return r;
}

}  // namespace systemgen

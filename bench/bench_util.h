#pragma once
// Small timing helpers shared by the benchmarks.
#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace bench {

// Runs f `wiederholungen` times and returns the best wall time in milliseconds.
template <typename F>
double BesteZeitMs(int wiederholungen, F&& f) {
    double beste = 1e300;
    for (int i = 0; i < wiederholungen; ++i) {
        const auto start = std::chrono::steady_clock::now();
        f();
        const std::chrono::duration<double, std::milli> dauer = std::chrono::steady_clock::now() - start;
        if (dauer.count() < beste) beste = dauer.count();
    }
    return beste;
}

inline void Zeile(const char* was, double unsere_ms, double referenz_ms) {
    std::printf("%-48s ours %10.3f ms   reference %10.3f ms   ratio %7.1fx\n", was, unsere_ms, referenz_ms,
                referenz_ms / (unsere_ms > 0 ? unsere_ms : 1e-9));
}

// Peak resident set size of this process in MiB.
inline double SpitzenspeicherMiB() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return double(r.ru_maxrss) / 1024.0;
}

}  // namespace bench

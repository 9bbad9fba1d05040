#pragma once
// Timing figures for the benchmarks: median and 99th percentile of samples.

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

struct Samples {
    std::vector<double> micros;

    template <typename F> void time(F&& work) {
        QElapsedTimer t;
        t.start();
        work();
        micros.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    double percentile(double p) {
        std::sort(micros.begin(), micros.end());
        const size_t i = std::min(micros.size() - 1, size_t(p * double(micros.size() - 1) + 0.5));
        return micros[i];
    }
    void report(const char* what) {
        std::printf("%-40s n=%-6zu median %9.1f us   p99 %9.1f us   max %9.1f us\n", what,
                    micros.size(), percentile(0.5), percentile(0.99), percentile(1.0));
    }
};

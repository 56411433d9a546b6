#pragma once
// Each figure beside its baseline, measured in the same run: the processor time of one
// iteration and how many times the time of reading the same file's bytes it is. Processor
// time, because this machine is shared and wall time also counts waiting for a core.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

#include "GeneratoreDati.h"

namespace misura {

inline double MsProcessore() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Median processor time of reading the file's bytes.
inline double BaseMs(const std::filesystem::path& file) {
    static std::map<std::filesystem::path, double> fatte;
    if (auto it = fatte.find(file); it != fatte.end()) return it->second;
    std::vector<double> volte;
    for (int i = 0; i < 9; ++i) {
        const double t0 = MsProcessore();
        benchmark::DoNotOptimize(generatore::LeggiByte(file));
        volte.push_back(MsProcessore() - t0);
    }
    std::nth_element(volte.begin(), volte.begin() + 4, volte.end());
    return fatte[file] = volte[4];
}

// Times the loop's processor time per iteration against the baseline of `file`.
class Cronometro {
public:
    Cronometro(benchmark::State& stato, const std::filesystem::path& file)
        : stato_(stato), base_(BaseMs(file)), inizio_(MsProcessore()) {}
    // Work inside the loop that is not the command's (preparing its input).
    void Pausa() {
        stato_.PauseTiming();
        fermo_ = MsProcessore();
    }
    void Riprendi() {
        inizio_ += MsProcessore() - fermo_;
        stato_.ResumeTiming();
    }
    ~Cronometro() {
        const double ms = (MsProcessore() - inizio_) / static_cast<double>(stato_.iterations());
        stato_.counters["cpu_ms"] = ms;
        stato_.counters["byte_ms"] = base_;
        stato_.counters["x_byte"] = ms / base_;
    }

private:
    benchmark::State& stato_;
    double base_;
    double inizio_;
    double fermo_ = 0;
};

}  // namespace misura

#pragma once
// Each figure beside its baseline, measured in the same run: the processor time of one
// iteration and how many times the time of reading the same file's bytes it is. Processor
// time, because a shared machine's wall time also counts waiting for a core.
#include <benchmark/benchmark.h>
#include <time.h>

#include <filesystem>
#include <utility>
#include <vector>

#include "GeneratoreDati.h"

namespace misura {

inline double MsProcessore() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

// Times the loop's processor time per iteration, and beside it reads the file's bytes once
// per iteration (outside the timing), so that both figures meet the same load.
class Cronometro {
public:
    Cronometro(benchmark::State& stato, std::filesystem::path file)
        : Cronometro(stato, std::vector<std::filesystem::path>{std::move(file)}) {}
    // A command that reads several files, beside reading all of them.
    Cronometro(benchmark::State& stato, std::vector<std::filesystem::path> file)
        : stato_(stato), file_(std::move(file)), inizio_(MsProcessore()) {}
    // Work inside the loop that is not the command's (preparing its input).
    void Pausa() {
        stato_.PauseTiming();
        fermo_ = MsProcessore();
    }
    void Riprendi() {
        inizio_ += MsProcessore() - fermo_;
        stato_.ResumeTiming();
    }
    // Call once per iteration, after the command.
    void Base() {
        Pausa();
        const double t0 = MsProcessore();
        for (const auto& f : file_) benchmark::DoNotOptimize(generatore::LeggiByte(f));
        base_ += MsProcessore() - t0;
        Riprendi();
    }
    ~Cronometro() {
        const auto n = static_cast<double>(stato_.iterations());
        const double ms = (MsProcessore() - inizio_) / n;
        stato_.counters["cpu_ms"] = ms;
        if (base_ > 0) {
            stato_.counters["byte_ms"] = base_ / n;
            stato_.counters["x_byte"] = ms / (base_ / n);
        }
    }

private:
    benchmark::State& stato_;
    std::vector<std::filesystem::path> file_;
    double inizio_;
    double fermo_ = 0;
    double base_ = 0;
};

}  // namespace misura

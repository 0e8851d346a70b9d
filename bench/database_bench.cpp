// Reading each database of the PHREEQC distribution and asking every getter, beside the floor: a
// bare fgetc loop over the same file. Also the heap that a checker holds after reading the
// largest file that is read whole.
#include <vxcheck/check.h>

#include "allocation_counter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

namespace {

const std::string kDatabases = VXCHECK_DATA_DIR "/databases";

void Floor(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "r");
        long characters = 0;
        while (std::fgetc(file) != EOF) {
            ++characters;
        }
        std::fclose(file);
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}

// A new checker for every read, built outside the timing: reading twice doubles some lists.
void ReadAndGet(benchmark::State& state, const std::string& path) {
    std::optional<Cvx_Check> checker;
    checker.emplace().ReadDatabase(path.c_str()); // warms the heap and the file cache
    for (auto _ : state) {
        state.PauseTiming();
        checker.emplace();
        state.ResumeTiming();
        checker->ReadDatabase(path.c_str());
        benchmark::DoNotOptimize(checker->GetMasterSpeciesComp());
        benchmark::DoNotOptimize(checker->GetMasterSpecies());
        benchmark::DoNotOptimize(checker->GetAqueousSpecies());
        benchmark::DoNotOptimize(checker->GetPhases());
        benchmark::DoNotOptimize(checker->GetMinerals());
        benchmark::DoNotOptimize(checker->GetGases());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}

// The process's peak resident memory, in kB, from the kernel.
long ResidentPeakKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

void HeapOfALoadedChecker(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const std::size_t before = vxcheck::bench::HeldBytes();
        vxcheck::bench::ResetPeak();
        Cvx_Check checker;
        const std::size_t constructed = vxcheck::bench::HeldBytes() - before;
        checker.ReadDatabase(path.c_str());
        state.counters["constructed_bytes"] = static_cast<double>(constructed);
        state.counters["held_bytes"] = static_cast<double>(vxcheck::bench::HeldBytes() - before);
        state.counters["peak_bytes"] = static_cast<double>(vxcheck::bench::PeakBytes() - before);
    }
    state.counters["process_VmHWM_kB"] = static_cast<double>(ResidentPeakKb());
}

// Three runs, shown as their mean and their minimum: on a shared machine the minimum is the run
// that other work disturbed least.
void Repeated(benchmark::internal::Benchmark* benchmark) {
    benchmark->Repetitions(3)->DisplayAggregatesOnly(true)->ComputeStatistics(
        "min", [](const std::vector<double>& runs) {
            return *std::min_element(runs.begin(), runs.end());
        });
}

// Registers, for every database in file-name order, the floor and then the read.
const bool kRegistered = [] {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(kDatabases)) {
        if (entry.path().extension() == ".dat") {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        const std::string name = file.filename().string();
        benchmark::RegisterBenchmark(("FgetcFloor/" + name).c_str(), Floor, file.string())
            ->MinTime(0.1)
            ->Apply(Repeated);
        // Each read needs a new checker, built untimed: a fixed number of reads, between 100 and
        // 300, keeps the run short for the small files.
        const auto reads = std::clamp<std::int64_t>(
            20'000'000 / static_cast<std::int64_t>(std::filesystem::file_size(file) + 1), 100, 300);
        benchmark::RegisterBenchmark(("ReadDatabase/" + name).c_str(), ReadAndGet, file.string())
            ->Iterations(reads)
            ->Apply(Repeated);
    }
    benchmark::RegisterBenchmark("HeapOfALoadedChecker/minteq.v4.dat", HeapOfALoadedChecker,
                                 kDatabases + "/minteq.v4.dat")
        ->Iterations(1);
    return true;
}();

} // namespace

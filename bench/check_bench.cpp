// The checker itself: building the fixed vocabulary, and copying a checker that has read a
// database, beside copying the same names as plain string lists.
#include <vxcheck/check.h>

#include <benchmark/benchmark.h>

namespace {

CString SharedDatabase(const char* name) {
    return CString(VXCHECK_DATA_DIR "/databases/") + name;
}

void Construction(benchmark::State& state) {
    for (auto _ : state) {
        Cvx_Check checker;
        benchmark::DoNotOptimize(&checker);
    }
}
BENCHMARK(Construction);

void CopyAfterRead(benchmark::State& state, const char* file) {
    Cvx_Check loaded;
    loaded.ReadDatabase(SharedDatabase(file));
    loaded.FindAqueousSpecies("Ca"); // a built species cache is copied too
    for (auto _ : state) {
        Cvx_Check copy(loaded);
        benchmark::DoNotOptimize(&copy);
    }
}
BENCHMARK_CAPTURE(CopyAfterRead, phreeqc, "phreeqc.dat");
BENCHMARK_CAPTURE(CopyAfterRead, minteq_v4, "minteq.v4.dat");

// The baseline: the six name lists that the checker returns, copied as they are.
void CopyNamesOnly(benchmark::State& state, const char* file) {
    Cvx_Check loaded;
    loaded.ReadDatabase(SharedDatabase(file));
    const std::vector<std::vector<CString>> names = {
        loaded.GetMasterSpeciesComp(), loaded.GetMasterSpecies(),
        loaded.GetAqueousSpecies(),    loaded.GetPhases(),
        loaded.GetMinerals(),          loaded.GetGases()};
    for (auto _ : state) {
        std::vector<std::vector<CString>> copy(names);
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK_CAPTURE(CopyNamesOnly, phreeqc, "phreeqc.dat");
BENCHMARK_CAPTURE(CopyNamesOnly, minteq_v4, "minteq.v4.dat");

} // namespace

// Lint of a realistic input (bench/grown_input.h) with llnl.dat's names loaded beforehand, at
// 5,000 to 40,000 lines. The family is fitted to a straight line in the number of lines (the
// "BigO" and "RMS" rows): linear cost shows O(N) with a small RMS, and the 20,000-line time is
// the one to hold under 20 ms. The baseline, in the same run, is reading the input alone.
#include "grown_input.h"

#include <vxcheck/input/lint.h>
#include <vxcheck/input/model.h>

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const vxcheck::NameTable& Llnl() {
    static const vxcheck::NameTable names = [] {
        const std::string path = VXCHECK_DATA_DIR "/databases/llnl.dat";
        std::ifstream file(path, std::ios::binary);
        const std::string bytes(std::istreambuf_iterator<char>(file), {});
        return vxcheck::ReadDatabaseNames(bytes, path);
    }();
    return names;
}

void Lint(benchmark::State& state) {
    const std::string text = vxcheck::bench::GrownInput(static_cast<int>(state.range(0)));
    const vxcheck::NameTable& names = Llnl();
    std::size_t found = 0;
    for (auto _ : state) {
        found = vxcheck::LintInput(text, &names).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["diagnostics"] = static_cast<double>(found); // 0: the input is clean
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(state.range(0));
}

void ReadInputOnly(benchmark::State& state) {
    const std::string text = vxcheck::bench::GrownInput(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxcheck::ReadInput(text).statements.size());
    }
    state.SetComplexityN(state.range(0));
}

// Both run at the same sizes, so that each size of the lint has its baseline beside it.
void AtInputSizes(benchmark::internal::Benchmark* benchmark) {
    for (const int lines : {5000, 10000, 20000, 40000}) {
        benchmark->Arg(lines);
    }
    benchmark->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}

BENCHMARK(Lint)->Apply(AtInputSizes);
BENCHMARK(ReadInputOnly)->Apply(AtInputSizes);

} // namespace

// Reading time against the size of the file, for the three shapes of a large
// database: many blocks (the blocks of phreeqc.dat that are read, repeated),
// one long line, and one block of many statements. Each family is fitted to a
// straight line in its size (the "BigO" and "RMS" rows): a reader that is
// linear in its input shows O(N) with a small RMS.
#include <vxcheck/check.h>
#include <vxcheck/phreeqc3.h>

#include "support/generated_file.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

namespace {

// Times reads of path, each by a new checker built outside the timing; N is the
// file's size.
void TimeReads(benchmark::State& state, const GeneratedFile& file, std::int64_t size) {
    std::optional<Cvx_Check> checker;
    for (auto _ : state) {
        state.PauseTiming();
        checker.emplace();
        state.ResumeTiming();
        checker->ReadDatabase(file.Path());
        benchmark::DoNotOptimize(checker->GetAqueousSpecies());
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.SetComplexityN(size);
}

// The blocks of phreeqc.dat that are read (its PHREEQC 3 view), repeated to
// state.range(0) MB.
void ManyBlocks(benchmark::State& state) {
    std::ifstream in(VXCHECK_DATA_DIR "/databases/phreeqc.dat", std::ios::binary);
    const std::string view =
        vxcheck::Phreeqc3View(std::string(std::istreambuf_iterator<char>(in), {}));
    const std::int64_t size = state.range(0) << 20;
    const GeneratedFile file([&](std::FILE* out) {
        for (std::int64_t written = 0; written < size; written += std::ssize(view)) {
            std::fwrite(view.data(), 1, view.size(), out);
        }
    });
    TimeReads(state, file, size);
}

// One reaction whose line holds state.range(0) MB of "+ X2" terms.
void LongLine(benchmark::State& state) {
    const std::int64_t size = state.range(0) << 20;
    const GeneratedFile file([&](std::FILE* out) {
        std::fputs("SOLUTION_SPECIES\nH+ = H+", out);
        for (std::int64_t i = 0; i < size / 5; ++i) {
            std::fputs(" + X2", out);
        }
        std::fputc('\n', out);
    });
    TimeReads(state, file, size);
}

// One SOLUTION_SPECIES block of state.range(0) reactions, each defining a new
// species.
void ManyStatements(benchmark::State& state) {
    const std::int64_t count = state.range(0);
    const GeneratedFile file([&](std::FILE* out) {
        std::fputs("SOLUTION_SPECIES\n", out);
        for (std::int64_t i = 0; i < count; ++i) {
            std::fprintf(out, "Aa = Sp%07lld\n", static_cast<long long>(i));
        }
    });
    TimeReads(state, file, count * 13); // 13 bytes a statement
}

BENCHMARK(ManyBlocks)
    ->RangeMultiplier(4)
    ->Range(1, 16) // up to half the size limit
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);
BENCHMARK(LongLine)
    ->RangeMultiplier(4)
    ->Range(1, 16)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);
BENCHMARK(ManyStatements)
    ->RangeMultiplier(10)
    ->Range(10'000, 1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Complexity(benchmark::oN);

} // namespace

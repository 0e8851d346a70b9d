// PHREEQC's BASIC: the rate programs of phreeqc_rates.dat repeated to 20,000 lines, read and
// checked a program at a time (the target is 10 ms), and the same programs as a RATES input
// through the whole lint engine, with the database's names, for comparison.
#include "support/rate_programs.h"

#include <vxcheck/input/basic.h>
#include <vxcheck/input/lint.h>
#include <vxcheck/input/names.h>

#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kLines = 20000;

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

using Program = vxcheck::testing::RateProgram;

// The programs repeated until they hold kLines lines.
std::vector<Program> Repeated(const std::vector<Program>& programs) {
    std::vector<Program> repeated;
    std::size_t lines = 0;
    while (lines < kLines) {
        for (const Program& program : programs) {
            repeated.push_back(program);
            lines += program.lines.size();
        }
    }
    return repeated;
}

const std::vector<Program>& BenchPrograms() {
    static const std::vector<Program> programs = Repeated(
        vxcheck::testing::RatePrograms(ReadFile(VXCHECK_DATA_DIR "/databases/phreeqc_rates.dat")));
    return programs;
}

void CheckPrograms(benchmark::State& state) {
    std::vector<std::vector<std::string_view>> programs;
    std::size_t lines = 0;
    for (const Program& program : BenchPrograms()) {
        programs.emplace_back(program.lines.begin(), program.lines.end());
        lines += program.lines.size();
    }
    for (auto _ : state) {
        std::size_t findings = 0;
        for (const std::vector<std::string_view>& program : programs) {
            findings += vxcheck::CheckBasicProgram(program).findings.size();
        }
        benchmark::DoNotOptimize(findings);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(CheckPrograms)->Unit(benchmark::kMillisecond);

void LintRatesInput(benchmark::State& state) {
    std::string input = "RATES\n";
    for (const Program& program : BenchPrograms()) {
        input += program.name + "\n-start\n";
        for (const std::string& line : program.lines) {
            input += line + "\n";
        }
        input += "-end\n";
    }
    const std::string path = VXCHECK_DATA_DIR "/databases/phreeqc.dat";
    const vxcheck::NameTable database = vxcheck::ReadDatabaseNames(ReadFile(path), path);
    for (auto _ : state) {
        benchmark::DoNotOptimize(vxcheck::LintInput(input, &database).size());
    }
    state.counters["bytes"] = static_cast<double>(input.size());
}
BENCHMARK(LintRatesInput)->Unit(benchmark::kMillisecond);

} // namespace

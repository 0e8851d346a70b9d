// Each search form on phreeqc.dat and minteq.v4.dat, with its species cache built, beside the
// floor: one pass over the aqueous species names with a text search.
#include <vxcheck/check.h>

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

namespace {

using Search = std::function<std::vector<CString>(Cvx_Check&)>;

const std::vector<CString> kWords = {"Ca", "C"};

// The twelve forms: the single-word form with Ca, the list form with Ca and C in mode "inc".
const std::pair<const char*, Search> kSearches[] = {
    {"FindAqueousSpecies", [](Cvx_Check& c) { return c.FindAqueousSpecies("Ca"); }},
    {"FindAqueousSpecies/inc", [](Cvx_Check& c) { return c.FindAqueousSpecies(kWords, "inc"); }},
    {"FindPhases", [](Cvx_Check& c) { return c.FindPhases("Ca"); }},
    {"FindPhases/inc", [](Cvx_Check& c) { return c.FindPhases(kWords, "inc"); }},
    {"FindMinerals", [](Cvx_Check& c) { return c.FindMinerals("Ca"); }},
    {"FindMinerals/inc", [](Cvx_Check& c) { return c.FindMinerals(kWords, "inc"); }},
    {"FindGases", [](Cvx_Check& c) { return c.FindGases("C"); }},
    {"FindGases/inc", [](Cvx_Check& c) { return c.FindGases(kWords, "inc"); }},
    {"FindExchangeSpecies", [](Cvx_Check& c) { return c.FindExchangeSpecies("Ca"); }},
    {"FindExchangeSpecies/inc", [](Cvx_Check& c) { return c.FindExchangeSpecies(kWords, "inc"); }},
    {"FindSurfaceSpecies", [](Cvx_Check& c) { return c.FindSurfaceSpecies("Ca"); }},
    {"FindSurfaceSpecies/inc", [](Cvx_Check& c) { return c.FindSurfaceSpecies(kWords, "inc"); }},
};

void RunSearch(benchmark::State& state, const std::string& path, const Search& search) {
    Cvx_Check checker;
    checker.ReadDatabase(path.c_str());
    search(checker); // builds the species cache
    for (auto _ : state) {
        benchmark::DoNotOptimize(search(checker));
    }
}

void NameScanFloor(benchmark::State& state, const std::string& path) {
    Cvx_Check checker;
    checker.ReadDatabase(path.c_str());
    const std::vector<CString> names = checker.GetAqueousSpecies();
    for (auto _ : state) {
        std::vector<CString> found;
        for (const CString& name : names) {
            if (name.Find("Ca") >= 0) {
                found.push_back(name);
            }
        }
        benchmark::DoNotOptimize(found.data());
    }
}

const bool kRegistered = [] {
    for (const char* file : {"phreeqc.dat", "minteq.v4.dat"}) {
        const std::string path = std::string(VXCHECK_DATA_DIR "/databases/") + file;
        benchmark::RegisterBenchmark((std::string("NameScanFloor/") + file).c_str(), NameScanFloor,
                                     path);
        for (const auto& [name, search] : kSearches) {
            benchmark::RegisterBenchmark((std::string(name) + "/" + file).c_str(), RunSearch, path,
                                         search);
        }
    }
    return true;
}();

} // namespace

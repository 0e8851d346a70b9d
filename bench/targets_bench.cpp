// The speed targets in one run, each as a ratio to its baseline measured in the same run (or to
// its fixed budget): building a checker, PHREEQC 3 reading of llnl.dat and plain reading of
// minteq.v4.dat against a bare fgetc loop over the same file, the language server's first
// database load in a new process, and the heap that a checker holds after reading llnl.dat.
#include <vxcheck/check.h>
#include <vxcheck/database_file.h>
#include <vxcheck/phreeqc3.h>

#include "allocation_counter.h"
#include "lsp/databases.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

const std::string kLlnl = VXCHECK_DATA_DIR "/databases/llnl.dat";
const std::string kMinteqV4 = VXCHECK_DATA_DIR "/databases/minteq.v4.dat";

// The processor time this process has used, in milliseconds: on a machine shared with other work
// it tells the cost of a piece of work better than the time on the clock.
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The median processor time of runs calls, in milliseconds; prepare runs untimed before each.
double MedianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& call) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const double start = CpuMs();
        call();
        times.push_back(CpuMs() - start);
    }
    return Median(times);
}

double FgetcMs(const std::string& path) {
    return MedianMs(
        51, [] {},
        [&] {
            std::FILE* file = std::fopen(path.c_str(), "r");
            long characters = 0;
            while (std::fgetc(file) != EOF) {
                ++characters;
            }
            std::fclose(file);
            if (characters == 0) {
                std::abort();
            }
        });
}

void Row(const char* target, double measured, const char* unit, double baseline,
         const char* against, double limit) {
    const double ratio = measured / baseline;
    std::printf("%-44s %9.3f %-3s %-24s %6.2fx  (target <= %.1fx) %s\n", target, measured, unit,
                against, ratio, limit, ratio <= limit ? "met" : "NOT MET");
}

// The server's first load of llnl.dat, timed inside a process that has done nothing else.
int FirstLoad() {
    const double start = CpuMs();
    const vxcheck::lsp::DatabaseStatus status =
        vxcheck::lsp::LoadDatabase(kLlnl, vxcheck::lsp::ReadThroughChecker);
    std::printf("%f\n", status.names ? CpuMs() - start : -1.0);
    return 0;
}

double FirstLoadInNewProcessesMs(const char* self) {
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        std::FILE* child = popen((std::string("'") + self + "' --first-load").c_str(), "r");
        double ms = -1;
        if (child == nullptr || std::fscanf(child, "%lf", &ms) != 1) {
            ms = -1;
        }
        if (child != nullptr) {
            pclose(child);
        }
        times.push_back(ms);
    }
    return Median(times);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--first-load") {
        return FirstLoad();
    }
    const double firstLoad = FirstLoadInNewProcessesMs(argv[0]);

    // The first checker of this process builds the catalogue; later ones copy it.
    const double start = CpuMs();
    std::optional<Cvx_Check> checker(std::in_place);
    const double firstBuild = CpuMs() - start;
    const double build = MedianMs(
        201, [&] { checker.reset(); }, [&] { checker.emplace(); });

    const double llnlFgetc = FgetcMs(kLlnl);
    const double llnlPhreeqc3 = MedianMs(
        31, [&] { checker.emplace(); },
        [&] {
            vxcheck::ReadDatabaseOnce(*checker, kLlnl.c_str(), vxcheck::DatabaseReading::Phreeqc3);
        });
    const double minteqFgetc = FgetcMs(kMinteqV4);
    const double minteqPlain = MedianMs(
        31, [&] { checker.emplace(); }, [&] { checker->ReadDatabase(kMinteqV4.c_str()); });

    checker.reset();
    const std::size_t before = vxcheck::bench::HeldBytes();
    checker.emplace();
    vxcheck::ReadDatabasePhreeqc3(*checker, kLlnl.c_str());
    const std::size_t held = vxcheck::bench::HeldBytes() - before;
    std::size_t names = 0; // the bytes of the lists the getters return, as a floor
    for (const auto& list : {checker->GetMasterSpeciesComp(), checker->GetMasterSpecies(),
                             checker->GetAqueousSpecies(), checker->GetPhases()}) {
        for (const CString& name : list) {
            names += sizeof(CString) + static_cast<std::size_t>(name.GetLength()) + 1;
        }
    }

    std::printf("processor time, medians\n%-44s %13s %-24s %7s\n", "target", "measured", "against",
                "ratio");
    Row("building a checker (first, with catalogue)", firstBuild, "ms", 1.0, "1 ms budget", 1.0);
    Row("building a checker (later)", build, "ms", 1.0, "1 ms budget", 1.0);
    Row("llnl.dat, PHREEQC 3 reading", llnlPhreeqc3, "ms", llnlFgetc, "fgetc loop", 3.0);
    std::printf("%-44s %9.3f ms\n", "  fgetc loop over llnl.dat", llnlFgetc);
    Row("minteq.v4.dat, plain reading", minteqPlain, "ms", minteqFgetc, "fgetc loop", 2.0);
    std::printf("%-44s %9.3f ms\n", "  fgetc loop over minteq.v4.dat", minteqFgetc);
    Row("server's first load of llnl.dat (new process)", firstLoad, "ms", 10.0, "10 ms budget",
        1.0);
    std::printf("%-44s %9.2f MB  %-24s %6.2fx\n", "heap held after llnl.dat, PHREEQC 3",
                static_cast<double>(held) / 1e6, "the names it returns",
                static_cast<double>(held) / static_cast<double>(names));
    return 0;
}

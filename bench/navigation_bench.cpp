// Navigation and highlighting at scale, in process: full semantic tokens of a 20,000-line
// llnl.dat input (grown_input.h) against a 20 ms budget, with the baseline of splitting the same
// text into a document's lines measured in the same run; then the outline (input model and
// document symbols) of a 50 MB input, its time and the most heap it held. With the argument
// "tokens", only the semantic tokens: a run short enough for a profiler such as callgrind.
#include "allocation_counter.h"
#include "grown_input.h"

#include "lsp/features/features.h"
#include "lsp/features/navigation.h"

#include <vxcheck/check.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace vxcheck::lsp;

// Processor time, which a machine shared with other work disturbs less than the clock.
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double MedianMs(int runs, const std::function<void()>& call) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double start = CpuMs();
        call();
        times.push_back(CpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const bool tokensOnly = argc > 1 && std::string_view(argv[1]) == "tokens";
    Cvx_Check checker;
    const Vocabulary vocabulary(checker);
    const DatabaseStatus llnl =
        LoadDatabase(VXCHECK_DATA_DIR "/databases/llnl.dat", ReadThroughChecker);
    const std::string text = vxcheck::bench::GrownInput(20000, "DATABASE llnl.dat");

    const int runs = 15;
    const double baseline = MedianMs(runs, [&] { Document document("file:///b.pqi", 1, text); });
    std::size_t numbers = 0;
    const double tokens = MedianMs(runs, [&] {
        Document document("file:///b.pqi", 1, text);
        Outline outline(document, vocabulary);
        FeatureContext context{document, outline, vocabulary, llnl.names.get(),
                               PositionEncoding::Utf16};
        numbers = ToJsonText(SemanticTokensOf(context, "1")).text.size();
    });
    std::printf("semantic tokens, 20,000 lines: %.2f ms (%.2f of the 20 ms budget; %.1f times "
                "splitting the lines, %.2f ms); %zu bytes of JSON\n",
                tokens, tokens / 20.0, tokens / baseline, baseline, numbers);
    if (tokensOnly) {
        return 0;
    }

    std::string large;
    while (large.size() < 50u * 1000 * 1000) {
        large += text;
    }
    const Document document("file:///large.pqi", 1, std::move(large));
    vxcheck::bench::ResetPeak();
    const std::size_t before = vxcheck::bench::HeldBytes();
    const double start = CpuMs();
    std::size_t symbols = 0;
    {
        Outline outline(document, vocabulary);
        FeatureContext context{document, outline, vocabulary, nullptr, PositionEncoding::Utf16};
        symbols = ToJsonText(DocumentSymbols(context)).text.size();
    }
    const double outlineMs = CpuMs() - start;
    const double peak = static_cast<double>(vxcheck::bench::PeakBytes() - before);
    std::printf("outline of %.1f MB: %.0f ms, peak heap %.0f MB (%.1f times the text); %zu "
                "bytes of JSON\n",
                static_cast<double>(document.Text().size()) / 1e6, outlineMs, peak / 1e6,
                peak / static_cast<double>(document.Text().size()), symbols);
    return 0;
}

// Completion inside the server's process, as the server answers it: the position, the items and
// the JSON text, on a realistic 20,000-line input for llnl.dat (grown_input.h) with llnl.dat's
// names. Every 10th line is completed at its end and in its first word, so that every kind of
// field is met, near the start of the input and near its end (where the input's own definitions
// before the point are the most). The baseline, measured in the same run, is a completion in a
// comment, which offers nothing.
#include "grown_input.h"

#include "lsp/features/features.h"

#include <vxcheck/check.h>
#include <vxcheck/input/names.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace vxcheck::lsp;

constexpr int kLines = 20000;
constexpr double kTargetMs = 2.0;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

double Percentile(std::vector<double> samples, double fraction) {
    std::sort(samples.begin(), samples.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    return samples[index];
}

} // namespace

int main() {
    const std::string path = std::string(VXCHECK_DATA_DIR) + "/databases/llnl.dat";
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    DatabaseNames database;
    database.path = path;
    database.table = vxcheck::ReadDatabaseNames(bytes.str(), path);

    const std::string text = vxcheck::bench::GrownInput(kLines) + "# the end\n";
    Document document("file:///bench/grown.pqi", 1, text);
    Cvx_Check checker;
    const Vocabulary vocabulary(checker);
    const Outline outline(document, vocabulary);
    const FeatureContext context{document, outline, vocabulary, &database,
                                 PositionEncoding::Utf16};

    std::vector<double> samples;
    std::size_t items = 0;
    for (int line = 0; line < document.LineCount(); line += 10) {
        const std::string_view content = document.Line(line);
        const std::size_t first = content.find_first_not_of(' ');
        for (std::size_t byte : {content.size(), first == std::string_view::npos ? 0 : first + 1}) {
            const Clock::time_point start = Clock::now();
            const JsonText answer = ToJsonText(Completion(context, {line, byte}));
            samples.push_back(Milliseconds(Clock::now() - start));
            items += answer.text.size() > 40 ? 1 : 0;
        }
    }
    std::vector<double> baseline;
    const int comment = document.LineCount() - 2;
    for (int repeat = 0; repeat < 200; ++repeat) {
        const Clock::time_point start = Clock::now();
        const JsonText answer = ToJsonText(Completion(context, {comment, 5}));
        baseline.push_back(Milliseconds(Clock::now() - start));
    }
    const double p50 = Percentile(samples, 0.5);
    const double p99 = Percentile(samples, 0.99);
    const double floor = Percentile(baseline, 0.5);
    std::printf("completion in process, %d lines, llnl.dat, %zu points (%zu with items): "
                "median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                document.LineCount(), samples.size(), items, p50, p99,
                *std::max_element(samples.begin(), samples.end()));
    std::printf("baseline (a completion in a comment): median %.4f ms; p99 / baseline %.0f\n", floor,
                p99 / floor);
    std::printf("p99 / target (%.1f ms): %.2f\n", kTargetMs, p99 / kTargetMs);
    return p99 <= kTargetMs ? 0 : 1;
}

// The language server on huge documents: ex21.pqi repeated to 5 MB and to 50 MB, each size in a
// server of its own, driven through `vxcheck lsp` as an editor drives it. Every request the server
// answers is timed: opening (to its published diagnostics), the outline, hover and completion in
// the middle of the text, a one-character edit, ten edits in one change, and the whole text sent
// again (each to its diagnostics); then the peak memory of the process. The figures that matter
// are ratios: cost per MB at 50 MB over cost per MB at 5 MB is 1 for linear work and 10 for
// quadratic work; for hover and completion, the plain ratio of times (near 1 when the work does
// not grow with the document). The library's lint of the same texts, in process, shows which part
// of the time to diagnostics is the lint itself.
#include "server_process.h"

#include <vxcheck/input/lint.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using vxcheck::bench::Json;
using vxcheck::bench::ServerProcess;
using Clock = std::chrono::steady_clock;

const std::string kData = VXCHECK_DATA_DIR;
constexpr double kMegabyte = 1024.0 * 1024.0;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// The example repeated until the text has at least bytes bytes.
std::string Repeated(const std::string& example, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + example.size());
    while (text.size() < bytes) {
        text += example;
    }
    return text;
}

Json At(const std::string& uri, int line, int character) {
    return {{"textDocument", {{"uri", uri}}},
            {"position", {{"line", line}, {"character", character}}}};
}

Json Change(const std::string& uri, int version, Json changes) {
    return {{"jsonrpc", "2.0"},
            {"method", "textDocument/didChange"},
            {"params",
             {{"textDocument", {{"uri", uri}, {"version", version}}},
              {"contentChanges", std::move(changes)}}}};
}

Json Insert(int line, const std::string& text) {
    Json position = {{"line", line}, {"character", 0}};
    return {{"range", {{"start", position}, {"end", position}}}, {"text", text}};
}

// Seconds of each step on one text, and the peak memory, in bytes.
std::map<std::string, double> Measure(const std::string& text) {
    const std::string uri = "file:///bench/huge.pqi";
    const int middle = static_cast<int>(std::count(text.begin(), text.end(), '\n') / 2);
    ServerProcess server(VXCHECK_PROGRAM);
    server.Call(0, "initialize",
                {{"capabilities", Json::object()},
                 {"initializationOptions", {{"database", kData + "/databases/phreeqc.dat"}}}});
    server.Send({{"jsonrpc", "2.0"}, {"method", "initialized"}, {"params", Json::object()}});
    std::map<std::string, double> seconds;
    Clock::time_point start = Clock::now();
    server.Send({{"jsonrpc", "2.0"},
                 {"method", "textDocument/didOpen"},
                 {"params",
                  {{"textDocument",
                    {{"uri", uri}, {"languageId", "phreeqc"}, {"version", 1}, {"text", text}}}}}});
    server.WaitForDiagnostics(uri, 1);
    seconds["open"] = Seconds(start);
    start = Clock::now();
    server.Call(1, "textDocument/documentSymbol", {{"textDocument", {{"uri", uri}}}});
    seconds["outline"] = Seconds(start);
    start = Clock::now();
    server.Call(2, "textDocument/hover", At(uri, middle, 2));
    seconds["hover"] = Seconds(start);
    start = Clock::now();
    server.Call(3, "textDocument/completion", At(uri, middle, 2));
    seconds["completion"] = Seconds(start);
    start = Clock::now();
    server.Send(Change(uri, 2, Json::array({Insert(middle, "#")})));
    server.WaitForDiagnostics(uri, 2);
    seconds["one edit"] = Seconds(start);
    Json edits = Json::array();
    for (int i = 0; i < 10; ++i) {
        edits.push_back(Insert(middle + i * 100, "#"));
    }
    start = Clock::now();
    server.Send(Change(uri, 3, edits));
    server.WaitForDiagnostics(uri, 3);
    seconds["ten edits"] = Seconds(start);
    start = Clock::now();
    server.Send(Change(uri, 4, Json::array({{{"text", text}}})));
    server.WaitForDiagnostics(uri, 4);
    seconds["whole text"] = Seconds(start);
    seconds["peak memory"] = static_cast<double>(server.PeakMemory());
    server.Finish();
    start = Clock::now();
    const std::size_t found = vxcheck::LintInput(text, nullptr).size();
    seconds["lint alone"] = Seconds(start);
    std::printf("  %.0f MB: %zu lines, %zu diagnostics without names\n",
                static_cast<double>(text.size()) / kMegabyte, static_cast<std::size_t>(middle) * 2,
                found);
    return seconds;
}

} // namespace

int main() {
    const std::string example = Read(kData + "/examples/ex21.pqi");
    const std::size_t small = std::size_t{5} << 20;
    const std::size_t large = std::size_t{50} << 20;
    const std::string smallText = Repeated(example, small);
    const std::string largeText = Repeated(example, large);
    std::printf("ex21.pqi repeated (phreeqc.dat as the database):\n");
    std::map<std::string, double> at5 = Measure(smallText);
    std::map<std::string, double> at50 = Measure(largeText);
    const double mb5 = static_cast<double>(smallText.size()) / kMegabyte;
    const double mb50 = static_cast<double>(largeText.size()) / kMegabyte;
    std::printf("%-12s %14s %14s %16s\n", "step", "5 MB", "50 MB", "ratio per MB");
    for (const char* step :
         {"open", "outline", "one edit", "ten edits", "whole text", "lint alone"}) {
        std::printf("%-12s %12.3f s %12.3f s %16.2f\n", step, at5[step], at50[step],
                    (at50[step] / mb50) / (at5[step] / mb5));
    }
    for (const char* step : {"hover", "completion"}) {
        std::printf("%-12s %11.3f ms %11.3f ms %10.2f (times)\n", step, at5[step] * 1000,
                    at50[step] * 1000, at50[step] / at5[step]);
    }
    std::printf("%-12s %11.0f MB %11.0f MB %16.2f  (%.1f and %.1f bytes per byte)\n", "peak memory",
                at5["peak memory"] / kMegabyte, at50["peak memory"] / kMegabyte,
                (at50["peak memory"] / mb50) / (at5["peak memory"] / mb5),
                at5["peak memory"] / static_cast<double>(smallText.size()),
                at50["peak memory"] / static_cast<double>(largeText.size()));
    return 0;
}

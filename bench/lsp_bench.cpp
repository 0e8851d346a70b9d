// The language server on ex21.pqi grown to 20,000 lines, with llnl.dat as its database, driven
// through `vxcheck lsp` as an editor drives it: the database load, the time to the first
// completion after opening, and completion latency at 1,000 positions; then, on a realistic
// 20,000-line llnl.dat input (grown_input.h), the time from a one-character edit to its
// published diagnostics. The baseline, measured in the same run, is the round trip of a hover on
// a comment, which does no work.
#include "grown_input.h"
#include "server_process.h"

#include "lsp/databases.h"
#include "lsp/protocol.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using vxcheck::lsp::Json;
using Clock = std::chrono::steady_clock;

const std::string kShared = VXCHECK_DATA_DIR;
constexpr int kLines = 20000;
constexpr int kPositions = 1000;

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

// ex21.pqi repeated up to 20,000 lines, after a DATABASE line naming llnl.dat.
std::vector<std::string> GrownInput() {
    std::ifstream file(kShared + "/examples/ex21.pqi");
    std::vector<std::string> example;
    for (std::string line; std::getline(file, line);) {
        example.push_back(line);
    }
    std::vector<std::string> lines{"DATABASE " + kShared + "/databases/llnl.dat"};
    while (static_cast<int>(lines.size()) < kLines) {
        lines.push_back(example[(lines.size() - 1) % example.size()]);
    }
    return lines;
}

struct Summary {
    double median;
    double p99;
    double max;
};

Summary Summarize(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    auto at = [&](double fraction) {
        return samples[static_cast<std::size_t>(fraction *
                                                static_cast<double>(samples.size() - 1))];
    };
    return {at(0.5), at(0.99), samples.back()};
}

Json At(const std::string& uri, int line, int character) {
    return {{"textDocument", {{"uri", uri}}},
            {"position", {{"line", line}, {"character", character}}}};
}

// One-character edits to a realistic input, each answered by the document's diagnostics: a
// letter typed at a random place, then taken back, kEdits times.
Summary EditLatency(vxcheck::bench::ServerProcess& server, const std::string& llnl) {
    constexpr int kEdits = 500;
    const std::string text = vxcheck::bench::GrownInput(kLines, "DATABASE " + llnl);
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.emplace_back(text.data() + at, end - at);
        at = end + 1;
    }
    const std::string uri = "file:///bench/cells.pqi";
    server.Send({{"jsonrpc", "2.0"},
                 {"method", "textDocument/didOpen"},
                 {"params",
                  {{"textDocument",
                    {{"uri", uri}, {"languageId", "phreeqc"}, {"version", 1}, {"text", text}}}}}});
    const std::size_t clean = server.WaitForDiagnostics(uri, 1);
    std::mt19937 random(2);
    std::vector<double> samples;
    std::size_t found = 0;
    int line = 0;
    int character = 0;
    for (int version = 2; version < 2 + kEdits; ++version) {
        const bool typed = version % 2 == 0;
        if (typed) {
            line =
                std::uniform_int_distribution<int>(1, static_cast<int>(lines.size()) - 1)(random);
            const int length = static_cast<int>(lines[static_cast<std::size_t>(line)].size());
            character = std::uniform_int_distribution<int>(0, length)(random);
        }
        const Json range = {{"start", {{"line", line}, {"character", character}}},
                            {"end", {{"line", line}, {"character", character + (typed ? 0 : 1)}}}};
        Clock::time_point start = Clock::now();
        Json change = {{"range", range}, {"text", typed ? "q" : ""}};
        Json params = {{"textDocument", {{"uri", uri}, {"version", version}}},
                       {"contentChanges", Json::array({change})}};
        server.Send({{"jsonrpc", "2.0"},
                     {"method", "textDocument/didChange"},
                     {"params", std::move(params)}});
        found += server.WaitForDiagnostics(uri, version);
        samples.push_back(Milliseconds(Clock::now() - start));
    }
    Summary edit = Summarize(samples);
    std::printf("diagnostics after a one-character edit of %d lines (%zu diagnostics when clean, "
                "%.2f on average): median %.2f ms, p99 %.2f ms, max %.2f ms\n",
                static_cast<int>(lines.size()), clean, static_cast<double>(found) / kEdits,
                edit.median, edit.p99, edit.max);
    return edit;
}

} // namespace

int main() {
    const std::string llnl = kShared + "/databases/llnl.dat";
    std::vector<double> loads;
    std::size_t phases = 0;
    for (int run = 0; run < 5; ++run) {
        Clock::time_point start = Clock::now();
        vxcheck::lsp::DatabaseStatus status =
            vxcheck::lsp::LoadDatabase(llnl, vxcheck::lsp::ReadThroughChecker);
        loads.push_back(Milliseconds(Clock::now() - start));
        phases = status.names ? status.names->List(vxcheck::lsp::NameList::Phases).size() : 0;
    }
    Summary load = Summarize(loads);
    std::printf("database load, llnl.dat (%zu phases), in process: first %.1f ms, "
                "median of 5 %.1f ms\n",
                phases, loads.front(), load.median);

    std::vector<std::string> lines = GrownInput();
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    const std::string uri = "file:///bench/ex21-grown.pqi";
    vxcheck::bench::ServerProcess server(VXCHECK_PROGRAM);
    server.Call(0, "initialize", {{"capabilities", Json::object()}});
    server.Send({{"jsonrpc", "2.0"}, {"method", "initialized"}, {"params", Json::object()}});

    // The first completion: on "Na" in the data of SOLUTION 0-2, right after opening.
    Clock::time_point opened = Clock::now();
    server.Send({{"jsonrpc", "2.0"},
                 {"method", "textDocument/didOpen"},
                 {"params",
                  {{"textDocument",
                    {{"uri", uri}, {"languageId", "phreeqc"}, {"version", 1}, {"text", text}}}}}});
    std::string firstAnswer = server.Call(1, "textDocument/completion", At(uri, 46, 3));
    double firstCompletion = Milliseconds(Clock::now() - opened);
    Json first = Json::parse(firstAnswer);
    std::printf("first completion after opening %d lines (database load included): %.1f ms, "
                "%zu items\n",
                kLines, firstCompletion, first["result"]["items"].size());

    std::mt19937 random(1);
    std::vector<double> completions;
    std::size_t items = 0;
    for (int i = 0; i < kPositions; ++i) {
        int line = std::uniform_int_distribution<int>(1, kLines - 1)(random);
        int length = static_cast<int>(lines[static_cast<std::size_t>(line)].size());
        int character = std::uniform_int_distribution<int>(0, length)(random);
        Clock::time_point start = Clock::now();
        std::string answer =
            server.Call(10 + i, "textDocument/completion", At(uri, line, character));
        completions.push_back(Milliseconds(Clock::now() - start));
        items += Json::parse(answer)["result"]["items"].size();
    }
    std::vector<double> baseline;
    for (int i = 0; i < kPositions; ++i) {
        Clock::time_point start = Clock::now();
        server.Call(10 + kPositions + i, "textDocument/hover", At(uri, 1, 3)); // in a comment
        baseline.push_back(Milliseconds(Clock::now() - start));
    }
    Summary completion = Summarize(completions);
    Summary floor = Summarize(baseline);
    std::printf("completion at %d positions: median %.2f ms, p99 %.2f ms, max %.2f ms, "
                "%.0f items on average\n",
                kPositions, completion.median, completion.p99, completion.max,
                static_cast<double>(items) / kPositions);
    std::printf("baseline (hover in a comment): median %.2f ms, p99 %.2f ms\n", floor.median,
                floor.p99);
    Summary edit = EditLatency(server, llnl);
    int status = server.Finish();
    std::printf("goals: load < 50 ms: %s (first load %s); completion p99 < 5 ms: %s; "
                "diagnostics after an edit p99 <= 30 ms: %s\n",
                load.median < 50 ? "met" : "missed", loads.front() < 50 ? "met" : "missed",
                completion.p99 < 5 ? "met" : "missed", edit.p99 <= 30 ? "met" : "missed");
    return status;
}

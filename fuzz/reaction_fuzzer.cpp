// Fuzz target: formulas, equations and the name table. Each line is read as a formula and as an
// equation; reported ranges must lie inside the line, and a reaction that reads must have its
// balance judged without fault. The same lines, as statements of the defining blocks in turn,
// fill a name table whose every definition must then be found again, by the table and its copy.
#include "fuzz_input.h"

#include <vxcheck/input/chemistry.h>
#include <vxcheck/input/names.h>

#include <array>
#include <string_view>

using vxcheck::fuzz::Expect;

namespace {

constexpr std::array<std::string_view, 8> kBlocks = {"solution_master_species",
                                                     "solution_species",
                                                     "phases",
                                                     "exchange_master_species",
                                                     "exchange_species",
                                                     "surface_master_species",
                                                     "surface_species",
                                                     "rates"};

void CheckEquation(const std::string& line) {
    (void)vxcheck::ParseFormula(line);
    vxcheck::ReactionError error;
    const std::optional<vxcheck::Reaction> reaction = vxcheck::ParseReaction(line, &error);
    if (!reaction) {
        Expect(error.begin <= error.end && error.end <= line.size(), "error range inside the line");
        return;
    }
    Expect(!reaction->left.empty() && !reaction->right.empty(), "both sides hold a term");
    for (const auto* side : {&reaction->left, &reaction->right}) {
        for (const vxcheck::ReactionTerm& term : *side) {
            Expect(term.begin < term.end && term.end <= line.size(), "term range inside the line");
        }
    }
    (void)vxcheck::ReactionImbalance(*reaction);
    (void)vxcheck::ReactionImbalance(*reaction, [](std::string_view) { return "CaCO3"; });
}

std::vector<std::string_view> Words(const std::string& line) {
    std::vector<std::string_view> words;
    std::size_t begin = 0;
    while ((begin = line.find_first_not_of(" \t", begin)) != std::string::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t", begin), line.size());
        words.push_back(std::string_view(line).substr(begin, end - begin));
        begin = end;
    }
    return words;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = vxcheck::fuzz::SplitLines(data, size);
    vxcheck::NameTable table;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        CheckEquation(lines[i]);
        const std::string_view block = kBlocks.at(i / 4 % kBlocks.size());
        if (i % 4 == 0) {
            table.BeginBlock(block);
        }
        const std::vector<std::string_view> words = Words(lines[i]);
        const std::string_view option =
            !words.empty() && words[0].size() > 1 && words[0][0] == '-' ? words[0].substr(1) : "";
        table.Collect({block, option, words, {"", static_cast<int>(i)}});
        if (!words.empty()) {
            (void)table.Suggest(vxcheck::NameKind::Phase, words[0]);
        }
    }
    const vxcheck::NameTable copy(table);
    for (std::size_t kind = 0; kind < vxcheck::kNameKinds; ++kind) {
        for (const vxcheck::NameEntry* entry : table.All(static_cast<vxcheck::NameKind>(kind))) {
            Expect(table.Find(entry->kind, entry->name) == entry, "a definition is found again");
            Expect(copy.Find(entry->kind, entry->name) != nullptr, "a copy holds every name");
        }
    }
    return 0;
}

// The typed fields of statements: one row per block (data lines, option "") or per option of a
// block, naming the kind of its words in order; the last kind repeats where a line lists names.
#include "input/field_lines.h"

#include <vxcheck/input/fields.h>

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace vxcheck {
namespace {

using K = FieldKind;

struct FieldRow {
    std::string_view block;
    std::string_view option; // "" for the block's data lines
    std::initializer_list<FieldKind> kinds;
    bool lastRepeats = false; // a list: every further word is of the last kind
};

// Option rows start with the option word itself.
const FieldRow kRows[] = {
    {"solution", "", {K::Element, K::Number, K::Units, K::Text}},
    {"solution", "units", {K::Option, K::Units}},
    {"solution", "unit", {K::Option, K::Units}},
    {"solution", "ph", {K::Option, K::Number, K::Phase, K::Number}},
    {"solution", "pe", {K::Option, K::Number, K::Phase, K::Number}},
    {"solution", "temp", {K::Option, K::Number}},
    {"solution", "temperature", {K::Option, K::Number}},
    {"solution", "density", {K::Option, K::Number}},
    {"solution", "water", {K::Option, K::Number}},
    {"solution", "redox", {K::Option, K::Element}},
    {"equilibrium_phases", "", {K::Phase, K::Number, K::Number}},
    {"gas_phase", "", {K::Phase, K::Number}},
    {"exchange", "", {K::ExchangeFormula, K::Number}},
    {"surface", "", {K::SurfaceFormula, K::Number, K::Number, K::Number}},
    {"kinetics", "", {K::RateName}},
    {"kinetics", "m", {K::Option, K::Number}},
    {"kinetics", "m0", {K::Option, K::Number}},
    {"kinetics", "parms", {K::Option, K::Number}, true},
    {"kinetics", "steps", {K::Option, K::Number}, true},
    {"mix", "", {K::EntityNumber, K::Number}},
    {"solution_mix", "", {K::EntityNumber, K::Number}},
    {"exchange_mix", "", {K::EntityNumber, K::Number}},
    {"gas_phase_mix", "", {K::EntityNumber, K::Number}},
    {"kinetics_mix", "", {K::EntityNumber, K::Number}},
    {"equilibrium_phases_mix", "", {K::EntityNumber, K::Number}},
    {"solid_solutions_mix", "", {K::EntityNumber, K::Number}},
    {"surface_mix", "", {K::EntityNumber, K::Number}},
    {"reaction", "", {K::Species, K::Number}},
    {"reaction_temperature", "", {K::Number}, true},
    {"reaction_pressure", "", {K::Number}, true},
    {"rates", "", {K::RateName}},
    {"selected_output", "file", {K::Option, K::FileName}},
    {"selected_output", "totals", {K::Option, K::Element}, true},
    {"selected_output", "molalities", {K::Option, K::Species}, true},
    {"selected_output", "activities", {K::Option, K::Species}, true},
    {"selected_output", "saturation_indices", {K::Option, K::Phase}, true},
    {"selected_output", "si", {K::Option, K::Phase}, true},
    {"selected_output", "equilibrium_phases", {K::Option, K::Phase}, true},
    {"selected_output", "gases", {K::Option, K::Phase}, true},
    {"selected_output", "kinetic_reactants", {K::Option, K::RateName}, true},
    {"selected_output", "kinetics", {K::Option, K::RateName}, true},
    {"selected_output", "mol", {K::Option, K::Species}, true},
    {"selected_output", "pure_phases", {K::Option, K::Phase}, true},
    {"selected_output", "equilibria", {K::Option, K::Phase}, true},
    {"selected_output", "equilibrium", {K::Option, K::Phase}, true},
    {"selected_output", "equilibrium_phase", {K::Option, K::Phase}, true},
    {"selected_output", "pure", {K::Option, K::Phase}, true},
    {"selected_output", "solid_solutions", {K::Option, K::Phase}, true},
    {"solid_solutions", "component", {K::Option, K::Phase, K::Number}},
    {"solid_solutions", "comp", {K::Option, K::Phase, K::Number}},
    {"solid_solutions", "comp1", {K::Option, K::Phase, K::Number}},
    {"solid_solutions", "comp2", {K::Option, K::Phase, K::Number}},
    {"inverse_modeling", "phases", {K::Option, K::Phase}},
    {"inverse_modeling", "solutions", {K::Option, K::EntityNumber}, true},
    {"dump", "file", {K::Option, K::FileName}},
    {"transport", "cells", {K::Option, K::Number}},
    {"transport", "shifts", {K::Option, K::Number}},
};

// Blocks whose data lines are reactions, BASIC or text, word for word.
FieldKind WholeLineKind(std::string_view block) {
    if (block == "solution_species" || block == "exchange_species" || block == "surface_species") {
        return K::Reaction;
    }
    if (block == "user_print" || block == "user_punch" || block == "user_graph" ||
        block == "calculate_values") {
        return K::Basic;
    }
    return K::Text;
}

using RowKey = std::pair<std::string_view, std::string_view>; // block, option

struct RowKeyHash {
    std::size_t operator()(const RowKey& key) const {
        const std::hash<std::string_view> hash;
        return hash(key.first) * 31 + hash(key.second);
    }
};

// The first row of a block and option, or null. Every statement of an input looks up its row,
// a data line twice: a table walk per lookup was the largest cost of classifying.
const FieldRow* FindRow(std::string_view block, std::string_view option) {
    static const std::unordered_map<RowKey, const FieldRow*, RowKeyHash> kByKey = [] {
        std::unordered_map<RowKey, const FieldRow*, RowKeyHash> rows;
        for (const FieldRow& row : kRows) {
            rows.emplace(RowKey(row.block, row.option), &row);
        }
        return rows;
    }();
    const auto found = kByKey.find(RowKey(block, option));
    return found == kByKey.end() ? nullptr : found->second;
}

std::vector<FieldKind> FromRow(const FieldRow& row, std::size_t count) {
    std::vector<FieldKind> kinds(
        row.kinds.begin(),
        row.kinds.begin() + static_cast<std::ptrdiff_t>(std::min(count, row.kinds.size())));
    while (kinds.size() < count) {
        kinds.push_back(row.lastRepeats ? *(row.kinds.end() - 1) : K::Text);
    }
    return kinds;
}

bool IsRange(std::string_view word) {
    return !word.empty() && std::all_of(word.begin(), word.end(), [](char ch) {
        return (ch >= '0' && ch <= '9') || ch == '-';
    });
}

// How far back a data line looks for the option it continues: a bound, so that classifying
// every line of a long block stays linear.
constexpr std::size_t kLookBack = 256;

} // namespace

std::string_view ContinuedOption(const InputModel& model, int blockIndex, std::size_t index) {
    if (blockIndex < 0 || static_cast<std::size_t>(blockIndex) >= model.blocks.size()) {
        return {}; // a line outside any block continues no option
    }
    const InputBlock& block = model.blocks[static_cast<std::size_t>(blockIndex)];
    const std::size_t first =
        std::max(block.keyword + 1, index > kLookBack ? index - kLookBack : 0);
    for (std::size_t before = std::min(index, model.statements.size()); before-- > first;) {
        if (model.statements[before].kind == StatementKind::Option) {
            return model.statements[before].option;
        }
    }
    return {};
}

std::vector<FieldKind> LineFieldKinds(const LineShape& line, std::size_t count) {
    if (line.optionLine) {
        if (const FieldRow* row = FindRow(line.block, line.option)) {
            return FromRow(*row, count);
        }
        std::vector<FieldKind> kinds(count, K::Text);
        if (count > 0) {
            kinds[0] = K::Option;
        }
        return kinds;
    }
    if (line.block == "phases") {
        std::vector<FieldKind> kinds(count, line.equation ? K::Reaction : K::Text);
        if (count > 0) {
            kinds[0] = line.equation ? K::Reaction : K::Phase;
        }
        return kinds;
    }
    // RATES and CALCULATE_VALUES hold BASIC only between -start and -end; the other lines
    // name a rate or a value.
    if ((line.block == "rates" || line.block == "calculate_values") && line.continued == "start") {
        return std::vector<FieldKind>(count, K::Basic);
    }
    if (line.block == "calculate_values") {
        return std::vector<FieldKind>(count, K::Text);
    }
    // A data line after a list option (SELECTED_OUTPUT -totals Ca \n Mg) continues its list.
    if (const FieldRow* row = FindRow(line.block, line.continued);
        row != nullptr && row->lastRepeats) {
        return std::vector<FieldKind>(count, *(row->kinds.end() - 1));
    }
    if (const FieldRow* row = FindRow(line.block, "")) {
        return FromRow(*row, count);
    }
    return std::vector<FieldKind>(count, WholeLineKind(line.block));
}

std::vector<FieldKind> ClassifyFields(const InputModel& model, std::size_t index) {
    const InputStatement& statement = model.statements[index];
    const std::size_t count = statement.words.size();
    if (statement.kind == StatementKind::Keyword) {
        std::vector<FieldKind> kinds(count, K::Description);
        kinds[0] = K::Keyword;
        if (count > 1 && IsRange(statement.Word(1))) {
            kinds[1] = K::EntityNumber;
        }
        return kinds;
    }
    if (statement.block < 0 || statement.kind == StatementKind::Include) {
        return std::vector<FieldKind>(count, statement.kind == StatementKind::Include ? K::FileName
                                                                                      : K::Text);
    }
    LineShape line;
    line.block = model.blocks[static_cast<std::size_t>(statement.block)].name;
    line.optionLine = statement.kind == StatementKind::Option;
    line.option = statement.option;
    line.equation = statement.text.find('=') != std::string_view::npos;
    if (!line.optionLine && line.block != "phases") {
        line.continued = ContinuedOption(model, statement.block, index);
    }
    return LineFieldKinds(line, count);
}

} // namespace vxcheck

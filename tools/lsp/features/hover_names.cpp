// Hover texts of names: what a database or the input defines under a name, where, with its
// formula, reaction and log K lines; for an element, its master species and valence states.
#include "lsp/features/hover_names.h"

#include <algorithm>
#include <filesystem>

namespace vxcheck::lsp {
namespace {

constexpr const char* kKindNames[kNameKinds] = {
    "element",         "valence state",    "master species", "aqueous species", "phase",
    "exchange master", "exchange species", "surface master", "surface species", "rate",
};

std::string KindName(const NameEntry& entry, const DatabaseNames* database) {
    std::string kind = kKindNames[static_cast<std::size_t>(entry.kind)];
    if (entry.kind == NameKind::Phase && database != nullptr) {
        const std::vector<std::string>& gases = database->List(NameList::Gases);
        const bool gas = std::find(gases.begin(), gases.end(), entry.name) != gases.end();
        kind += gas ? " (gas)" : " (mineral)";
    }
    return kind;
}

std::string Origin(const NameOrigin& origin) {
    if (origin.file.empty()) {
        return "this input, line " + std::to_string(origin.line + 1);
    }
    return std::filesystem::path(origin.file).filename().string() + ", line " +
           std::to_string(origin.line + 1);
}

// The reaction and its log K lines as the file writes them, in a code block.
std::string ReactionBlock(const NameEntry& entry) {
    if (entry.reaction.empty() && entry.constants.empty()) {
        return "";
    }
    std::string block = "\n\n```\n";
    if (!entry.reaction.empty()) {
        block += entry.reaction + "\n";
    }
    for (const std::string& line : entry.constants) {
        block += line + "\n";
    }
    return block + "```";
}

std::string ElementFacts(const NameTable& table, const NameEntry& element) {
    std::string facts;
    if (!element.formula.empty()) {
        facts += "\n\nMaster species: " + element.formula;
    }
    std::string states;
    for (const NameEntry* state : table.ValenceStates(element.name)) {
        states += (states.empty() ? "" : ", ") + state->name + " (" + state->formula + ")";
    }
    return states.empty() ? facts : facts + "\n\nValence states: " + states;
}

std::string EntryText(const NameTable& table, const NameEntry& entry,
                      const DatabaseNames* database) {
    std::string text = "**" + entry.name + "**: " + KindName(entry, database);
    switch (entry.kind) {
    case NameKind::Element:
        text += ElementFacts(table, entry);
        break;
    case NameKind::ValenceState: {
        const std::string element = entry.name.substr(0, entry.name.find('('));
        const std::string valence = entry.name.substr(element.size() + 1);
        text += " of " + element + " with valence " + valence.substr(0, valence.size() - 1);
        text += entry.formula.empty() ? "" : "\n\nMaster species: " + entry.formula;
        break;
    }
    case NameKind::MasterSpecies:
        text += entry.formula.empty() ? "" : " of " + entry.formula;
        break;
    case NameKind::Phase:
        text += entry.formula.empty() ? "" : "\n\nFormula: " + entry.formula;
        break;
    case NameKind::ExchangeMaster:
    case NameKind::SurfaceMaster:
        text += entry.formula.empty() ? "" : "\n\nMaster species: " + entry.formula;
        break;
    default:
        break;
    }
    return text + ReactionBlock(entry) + "\n\nDefined in " + Origin(entry.origin);
}

} // namespace

std::string NameHover(const std::vector<const NameTable*>& tables, const DatabaseNames* database,
                      std::string_view name) {
    std::string text;
    for (const NameTable* table : tables) {
        for (const NameEntry* entry : table->FindAny(name)) {
            text += (text.empty() ? "" : "\n\n---\n\n") + EntryText(*table, *entry, database);
        }
        if (!text.empty()) {
            return text; // the input's own definition replaces the database's
        }
    }
    return text;
}

} // namespace vxcheck::lsp

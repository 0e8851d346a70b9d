// textDocument/hover: a keyword's block, synonyms and group; an option's block; a database
// name's lists, database and, for a phase, formula.
#include "lsp/features/analysis.h"
#include "lsp/features/features.h"

#include <algorithm>

namespace vxcheck::lsp {
namespace {

constexpr const char* kListNames[DatabaseNames::kLists] = {
    "",    "composition name",        "master species",         "aqueous species", "phase",
    "gas", "exchange master species", "surface master species",
};

std::string KeywordText(const BlockInfo& block, std::string_view written) {
    std::string text = "**" + Upper(written) + "**: keyword of the block " + Upper(block.name);
    std::string synonyms;
    for (const std::string& spelling : block.spellings) {
        if (spelling != Lower(written)) {
            synonyms += (synonyms.empty() ? "" : ", ") + Upper(spelling);
        }
    }
    if (!synonyms.empty()) {
        text += "\n\nSynonyms: " + synonyms;
    }
    if (!block.group.empty()) {
        text += "\n\nGroup: " + block.group;
    }
    return text;
}

std::string OptionText(const BlockInfo& block, std::string_view option) {
    return "**-" + std::string(option) + "**: option of " + Upper(block.name);
}

std::string NameText(const DatabaseNames& database, const std::string& name, unsigned lists) {
    bool phase = (lists & (1u << static_cast<unsigned>(NameList::Phases))) != 0;
    bool gas = (lists & (1u << static_cast<unsigned>(NameList::Gases))) != 0;
    std::string kinds;
    for (std::size_t list = 1; list < DatabaseNames::kLists; ++list) {
        bool shown = (lists & (1u << list)) != 0 &&
                     !(list == static_cast<std::size_t>(NameList::Gases) && phase);
        if (shown) {
            kinds += (kinds.empty() ? "" : ", ") + std::string(kListNames[list]);
        }
    }
    if (phase) {
        kinds.replace(kinds.find("phase"), 5, gas ? "phase (gas)" : "phase (mineral)");
    }
    std::string text = "**" + name + "**: " + kinds;
    std::string_view formula = database.FormulaOf(name);
    if (phase && !formula.empty()) {
        text += "\n\nFormula: " + std::string(formula);
    }
    std::string file = std::filesystem::path(database.path).filename().string();
    return text + "\n\nDatabase: " + file + " (" + database.path + ")";
}

} // namespace

std::optional<Hover> HoverAt(const FeatureContext& context, TextPoint point) {
    Cursor cursor = Analyze(context.document, context.outline, point);
    std::string_view line = context.document.Line(point.line);
    std::string_view word = line.substr(cursor.word.begin, cursor.word.end - cursor.word.begin);
    if (word.empty() || cursor.place == Place::Comment || cursor.place == Place::Argument) {
        return std::nullopt;
    }
    Range range = context.document.ToRange({point.line, cursor.word.begin},
                                           {point.line, cursor.word.end}, context.encoding);
    const BlockSpan* block = cursor.block;
    if (block != nullptr && block->line == point.line &&
        block->keyword.begin == cursor.word.begin) {
        return Hover{KeywordText(*block->info, word), range};
    }
    if (block != nullptr && !cursor.selects.empty()) {
        return Hover{OptionText(*block->info, cursor.selects), range};
    }
    if (cursor.place == Place::Option) {
        return std::nullopt;
    }
    if (cursor.place == Place::Basic || (cursor.place == Place::Keyword && cursor.basic)) {
        const std::vector<std::string>& basic = context.vocabulary.BasicWords();
        if (std::binary_search(basic.begin(), basic.end(), Lower(word))) {
            return Hover{"**" + Upper(word) + "**: BASIC word", range};
        }
        return std::nullopt;
    }
    if (context.database == nullptr) {
        return std::nullopt;
    }
    std::string name;
    unsigned lists = context.database->ListsOf(word, &name);
    if (lists == 0) {
        return std::nullopt;
    }
    return Hover{NameText(*context.database, name, lists), range};
}

} // namespace vxcheck::lsp

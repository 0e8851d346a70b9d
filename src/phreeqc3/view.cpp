// The PHREEQC 3 view of a database file: the text that the checker's own reader reads in place of
// a file written for PHREEQC 3, so that it meets only the blocks it collects names from, and
// meets them in the form it expects.
#include "ascii.h"

#include <vxcheck/check.h>
#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <string>
#include <unordered_set>

namespace vxcheck {

namespace {

// What a block of the view does with its statements after the keyword's own.
enum class BlockKind {
    Dropped,       // not in the view
    MasterSpecies, // kept as written
    Species,       // options given their "-"; a coefficient after the first "=" dropped
    Phases,        // options given their "-"; a coefficient at the start dropped
};

struct KeptBlock {
    std::string_view keyword;
    BlockKind kind;
};

// The seven blocks that the checker's reader collects names from; each has one spelling.
constexpr KeptBlock kKeptBlocks[] = {
    {"solution_master_species", BlockKind::MasterSpecies},
    {"solution_species", BlockKind::Species},
    {"phases", BlockKind::Phases},
    {"exchange_master_species", BlockKind::MasterSpecies},
    {"exchange_species", BlockKind::Species},
    {"surface_master_species", BlockKind::MasterSpecies},
    {"surface_species", BlockKind::Species},
};

BlockKind KindOf(std::string_view lowerKeyword) {
    for (const KeptBlock& block : kKeptBlocks) {
        if (block.keyword == lowerKeyword) {
            return block.kind;
        }
    }
    return BlockKind::Dropped;
}

// Every spelling that opens a block, in lower case: the checker's own keywords (three of which
// PHREEQC 3 no longer knows) and PHREEQC 3's. Built once; read only afterwards.
const std::unordered_set<std::string>& BlockKeywords() {
    static const std::unordered_set<std::string> keywords = [] {
        std::unordered_set<std::string> spellings;
        Cvx_Check checker;
        for (const CString& keyword : checker.GetKeywords()) {
            spellings.insert(LowerAscii(keyword.GetString()));
        }
        for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
            spellings.emplace(keyword.spelling);
        }
        return spellings;
    }();
    return keywords;
}

// The file as the reader receives it: byte 26 ends it, and a carriage return directly followed
// by a line feed is the line feed alone.
std::string DeliveredText(const std::string& bytes) {
    std::string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != 26; ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            continue;
        }
        text += bytes[i];
    }
    return text;
}

// Calls visit with the text of every statement, front to back. A statement ends at a line feed,
// a ";" or a "#"; the comment a "#" starts runs to and includes the next line feed, and a ";" in
// it ends nothing.
template <class Visit> void ForEachStatement(const std::string& text, Visit visit) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch != '\n' && ch != ';' && ch != '#') {
            continue;
        }
        visit(text.substr(begin, i - begin));
        if (ch == '#') {
            i = text.find('\n', i);
            if (i == std::string::npos) {
                return;
            }
        }
        begin = i + 1;
    }
    if (begin < text.size()) {
        visit(text.substr(begin));
    }
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}
bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Drops a stoichiometric coefficient that stands at from, after blanks and tabs: an optional "+",
// digits, optionally "." and digits, followed by a blank or tab; the blanks and tabs after it go
// with it. "2." has no digit after its "." and is left as written (docs/decisions.md).
void DropCoefficient(std::string& text, std::size_t from) {
    std::size_t start = from;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    std::size_t end = start;
    if (end < text.size() && text[end] == '+') {
        ++end;
    }
    const std::size_t digits = end;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    if (end == digits) {
        return;
    }
    if (end + 1 < text.size() && text[end] == '.' && IsDigit(text[end + 1])) {
        end += 2;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
    }
    if (end == text.size() || !IsBlank(text[end])) {
        return;
    }
    while (end < text.size() && IsBlank(text[end])) {
        ++end;
    }
    text.erase(start, end - start);
}

bool IsOption(std::span<const std::string_view> options, const std::string& lowerWord) {
    return std::find(options.begin(), options.end(), lowerWord) != options.end();
}

} // namespace

std::string Phreeqc3View(const std::string& fileBytes) {
    std::string view;
    BlockKind kind = BlockKind::Dropped;
    std::span<const std::string_view> options;
    ForEachStatement(DeliveredText(fileBytes), [&](std::string text) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start != std::string::npos) {
            const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
            const std::string word = LowerAscii(std::string_view(text).substr(start, end - start));
            if (BlockKeywords().contains(word)) {
                kind = KindOf(word);
                options = Phreeqc3OptionsOf(word);
            } else if (kind == BlockKind::Species || kind == BlockKind::Phases) {
                // PHREEQC 3 takes a line whose first word is an option's full name as that option.
                if (word[0] != '-' && IsOption(options, word)) {
                    text.insert(start, 1, '-');
                } else if (kind == BlockKind::Phases) {
                    DropCoefficient(text, 0);
                } else if (const std::size_t equals = text.find('='); equals != std::string::npos) {
                    DropCoefficient(text, equals + 1);
                }
            }
        }
        if (kind != BlockKind::Dropped && !text.empty()) {
            view += text;
            view += '\n';
        }
    });
    return view;
}

} // namespace vxcheck

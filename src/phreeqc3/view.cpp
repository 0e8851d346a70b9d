// The PHREEQC 3 view of a database file: the text that the checker's own reader reads in place of
// a file written for PHREEQC 3, so that it meets only the blocks it collects names from, and
// meets them in the form it expects.
#include "check/keyword_table.h"
#include "common/ascii_case.h"

#include <vxcheck/phreeqc3.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>

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
// PHREEQC 3 no longer knows) and PHREEQC 3's, both from their tables. Built once; read only
// afterwards.
const std::unordered_set<std::string_view>& BlockKeywords() {
    static const std::unordered_set<std::string_view> keywords = [] {
        std::unordered_set<std::string_view> spellings;
        for (const char* keyword : detail::CheckerKeywords()) {
            spellings.emplace(keyword);
        }
        for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
            spellings.emplace(keyword.spelling);
        }
        return spellings;
    }();
    return keywords;
}

// The file as the reader receives it: byte 26 ends it, and a carriage return directly followed
// by a line feed is the line feed alone. Most files need no change and are not copied.
std::string_view DeliveredText(std::string_view bytes, std::string& changed) {
    const std::size_t end = std::min(bytes.find('\x1a'), bytes.size());
    bytes = bytes.substr(0, end);
    if (bytes.find('\r') == std::string_view::npos) {
        return bytes;
    }
    changed.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' || i + 1 == bytes.size() || bytes[i + 1] != '\n') {
            changed += bytes[i];
        }
    }
    return changed;
}

// Calls visit with the text of every statement, front to back. A statement ends at a line feed,
// a ";" or a "#"; the comment a "#" starts runs to and includes the next line feed, and a ";" in
// it ends nothing.
template <class Visit> void ForEachStatement(std::string_view text, Visit visit) {
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch != '\n' && ch != ';' && ch != '#') {
            continue;
        }
        visit(text.substr(begin, i - begin));
        if (ch == '#') {
            i = text.find('\n', i);
            if (i == std::string_view::npos) {
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

// The stoichiometric coefficient that stands at from, after blanks and tabs, with the blanks and
// tabs after it, as [begin, end); begin == end when there is none. A coefficient is an optional
// "+", digits, optionally "." and digits, followed by a blank or tab. "2." has no digit after its
// "." and is no coefficient (docs/decisions.md).
std::pair<std::size_t, std::size_t> CoefficientAt(std::string_view text, std::size_t from) {
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
        return {start, start};
    }
    if (end + 1 < text.size() && text[end] == '.' && IsDigit(text[end + 1])) {
        end += 2;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
    }
    if (end == text.size() || !IsBlank(text[end])) {
        return {start, start};
    }
    while (end < text.size() && IsBlank(text[end])) {
        ++end;
    }
    return {start, end};
}

bool IsOption(std::span<const std::string_view> options, std::string_view lowerWord) {
    return std::find(options.begin(), options.end(), lowerWord) != options.end();
}

// Appends text to the view as one line, without the part [cut, cutEnd), and with a "-" before
// position dash when dash is not npos.
void AppendLine(std::string& view, std::string_view text, std::size_t dash, std::size_t cut,
                std::size_t cutEnd) {
    if (dash != std::string_view::npos) {
        view.append(text.substr(0, dash)).append(1, '-').append(text.substr(dash));
    } else {
        view.append(text.substr(0, cut)).append(text.substr(cutEnd));
    }
    view += '\n';
}

} // namespace

std::string Phreeqc3View(std::string_view fileBytes) {
    std::string view;
    view.reserve(fileBytes.size() / 2);
    std::string changed;
    std::string word; // the statement's first word in lower case
    BlockKind kind = BlockKind::Dropped;
    std::span<const std::string_view> options;
    ForEachStatement(DeliveredText(fileBytes, changed), [&](std::string_view text) {
        std::size_t dash = std::string_view::npos;
        std::pair<std::size_t, std::size_t> cut{0, 0};
        // Plain loops: find_first_of calls memchr on its set for every character.
        std::size_t start = 0;
        while (start < text.size() && IsBlank(text[start])) {
            ++start;
        }
        if (start < text.size()) {
            std::size_t end = start;
            while (end < text.size() && !IsBlank(text[end])) {
                ++end;
            }
            word.assign(text.substr(start, end - start));
            for (char& ch : word) {
                ch = static_cast<char>(FoldToLower(static_cast<unsigned char>(ch)));
            }
            if (BlockKeywords().contains(word)) {
                kind = KindOf(word);
                options = Phreeqc3OptionsOf(word);
            } else if (kind == BlockKind::Species || kind == BlockKind::Phases) {
                // PHREEQC 3 takes a line whose first word is an option's full name as that option.
                if (word[0] != '-' && IsOption(options, word)) {
                    dash = start;
                } else if (kind == BlockKind::Phases) {
                    cut = CoefficientAt(text, 0);
                } else if (const std::size_t equals = text.find('=');
                           equals != std::string_view::npos) {
                    cut = CoefficientAt(text, equals + 1);
                }
            }
        }
        // A statement that was only a coefficient leaves nothing to write.
        if (kind != BlockKind::Dropped && text.size() > cut.second - cut.first) {
            AppendLine(view, text, dash, cut.first, cut.second);
        }
    });
    return view;
}

} // namespace vxcheck

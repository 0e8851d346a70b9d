// Statement and word cutting by PHREEQC's line rules.
#include "lsp/statements.h"

#include <cctype>

namespace vxcheck::lsp {
namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// A ";" right after a "\" (blanks allowed between) belongs to the text.
bool IsEscaped(std::string_view text, std::size_t begin, std::size_t at) {
    while (at > begin && IsBlank(text[at - 1])) {
        --at;
    }
    return at > begin && text[at - 1] == '\\';
}

} // namespace

bool SplitStatements(std::string_view text, int line, bool continued, std::vector<Statement>& out) {
    std::size_t begin = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '#') {
            out.push_back({line, begin, at, continued, false});
            return false;
        }
        if (text[at] == ';' && !IsEscaped(text, begin, at)) {
            out.push_back({line, begin, at, continued, false});
            continued = false;
            begin = at + 1;
        }
    }
    std::size_t end = text.size();
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    if (end > begin && text[end - 1] == '\\') {
        out.push_back({line, begin, end - 1, continued, true});
        return true;
    }
    out.push_back({line, begin, text.size(), continued, false});
    return false;
}

std::vector<Word> SplitWords(std::string_view text, std::size_t begin, std::size_t end) {
    std::vector<Word> words;
    std::size_t at = begin;
    while (at < end) {
        while (at < end && IsBlank(text[at])) {
            ++at;
        }
        if (at == end) {
            break;
        }
        std::size_t start = at;
        while (at < end && !IsBlank(text[at])) {
            ++at;
        }
        words.push_back({start, at});
    }
    return words;
}

Word FirstWord(std::string_view text, std::size_t begin, std::size_t end) {
    std::size_t at = begin;
    while (at < end && IsBlank(text[at])) {
        ++at;
    }
    std::size_t start = at;
    while (at < end && !IsBlank(text[at])) {
        ++at;
    }
    return {start, at};
}

std::string CollapseBlanks(std::string_view text, std::size_t begin, std::size_t end) {
    std::string result;
    for (const Word& word : SplitWords(text, begin, end)) {
        if (!result.empty()) {
            result += ' ';
        }
        result.append(text.substr(word.begin, word.end - word.begin));
    }
    return result;
}

bool IsOptionWord(std::string_view word) {
    return word.size() > 1 && word[0] == '-' &&
           std::isalpha(static_cast<unsigned char>(word[1])) != 0;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\n' && text[at] != '\r') {
            continue;
        }
        lines.push_back(text.substr(begin, at - begin));
        if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            ++at;
        }
        begin = at + 1;
    }
    lines.push_back(text.substr(begin));
    return lines;
}

} // namespace vxcheck::lsp

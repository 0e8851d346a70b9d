// Fuzz target: Cvx_WordList driven by a program of lines. The first byte of each line picks an
// operation and the rest of the line is its text. A plain model of the list checks every lookup
// and every sorted view, and copies and assignments must answer as their source does.
#include "fuzz_input.h"

#include <vxcheck/word_list.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

using vxcheck::fuzz::Expect;
using vxcheck::fuzz::ToCString;

namespace {

// What the list must answer: the words as added, and each indexable folded spelling with the
// position of its first occurrence.
struct Model {
    std::vector<std::string> words;
    std::vector<std::string> companions;
    std::size_t flagCount = 0;
    std::map<std::string, int> firstPosition; // folded spelling -> position; sorted as the index

    static bool Fold(const std::string& word, std::string& folded) {
        folded.clear();
        for (const char ch : word) {
            const auto code = static_cast<unsigned char>(ch);
            const int up = (code >= 'a' && code <= 'z') ? code - 'a' + 'A' : code;
            if (up < 0x20 || up > 0x60) {
                return false; // no slot for it: never indexed, never found
            }
            folded.push_back(static_cast<char>(up));
        }
        return !folded.empty();
    }

    void Add(const std::string& word) {
        std::string folded;
        if (Fold(word, folded)) {
            firstPosition.emplace(folded, static_cast<int>(words.size()));
        }
        words.push_back(word);
    }

    int FindWord(const std::string& text) const {
        std::string folded;
        if (!Fold(text, folded)) {
            return -1;
        }
        const auto found = firstPosition.find(folded);
        return found == firstPosition.end() ? -1 : found->second;
    }

    int FindPrefix(const std::string& text) const {
        std::string folded;
        if (!text.empty() && !Fold(text, folded)) {
            return -1;
        }
        if (firstPosition.count(folded) != 0) {
            return 0;
        }
        // Folded codes stay below 0x7F, so every word that begins with folded sorts before this.
        const auto count = std::distance(firstPosition.lower_bound(folded),
                                         firstPosition.lower_bound(folded + '\x7f'));
        return count > 0 ? static_cast<int>(count) : -1;
    }

    std::vector<CString> Sorted(const std::vector<std::string>& source) const {
        std::vector<CString> sorted;
        for (const auto& [folded, position] : firstPosition) {
            const auto at = static_cast<std::size_t>(position);
            sorted.push_back(at < source.size() ? ToCString(source[at]) : CString());
        }
        return sorted;
    }
};

// Compares a list with its model through every read operation that has an exact answer, and
// looks up every word and every beginning of a word.
void ExpectSame(Cvx_WordList& list, const Model& model) {
    for (const std::string& word : model.words) {
        Expect(list.FindWord(ToCString(word)) == model.FindWord(word), "FindWord of a word");
        for (std::size_t length = 0; length <= word.size(); ++length) {
            const std::string prefix = word.substr(0, length);
            Expect(list.FindPrefix(ToCString(prefix)) == model.FindPrefix(prefix), "FindPrefix");
        }
    }
    Expect(list.WordCount() == static_cast<int>(model.words.size()), "WordCount");
    Expect(list.GetSortedWords() == model.Sorted(model.words), "GetSortedWords");
    if (!model.companions.empty()) {
        Expect(list.GetSortedCompanions() == model.Sorted(model.companions), "GetSortedCompanions");
    }
    Expect(list.SortedWordCount() == static_cast<int>(model.firstPosition.size()), "SortedCount");
}

struct Subject {
    Cvx_WordList list;
    Model model;
};

void Run(Subject& subject, Subject& other, unsigned char op, const std::string& text) {
    Cvx_WordList& list = subject.list;
    Model& model = subject.model;
    const int number = text.empty() ? 0 : static_cast<signed char>(text[0]);
    switch (op % 12) {
    case 0:
        list.AddWord(ToCString(text));
        model.Add(text);
        break;
    case 1: {
        const std::vector<CString> words = vxcheck::fuzz::SplitWords(text);
        list.AddWords(words);
        for (const CString& word : words) {
            model.Add(std::string(word.GetString(), static_cast<std::size_t>(word.GetLength())));
        }
        break;
    }
    case 2: {
        const std::vector<CString> companions = vxcheck::fuzz::SplitWords(text);
        list.AddCompanions(companions);
        for (const CString& companion : companions) {
            model.companions.emplace_back(companion.GetString(),
                                          static_cast<std::size_t>(companion.GetLength()));
        }
        break;
    }
    case 3:
        list.AddFlag(static_cast<unsigned char>(number % 3));
        ++model.flagCount;
        break;
    case 4:
        list.SetFlag(static_cast<unsigned char>(number % 3), text.size() > 1 ? text[1] : -1);
        break;
    case 5:
        Expect(list.FindWord(ToCString(text)) == model.FindWord(text), "FindWord");
        break;
    case 6:
        Expect(list.FindPrefix(ToCString(text)) == model.FindPrefix(text), "FindPrefix");
        break;
    case 7:
        ExpectSame(list, model);
        break;
    case 8:
        // With no flags the listed view is every word as added; with flags, it depends on when
        // they were set, but each entry is still a word of the index.
        if (model.flagCount == 0) {
            Expect(list.GetListedWords().size() == model.words.size(), "GetListedWords");
        }
        for (const CString& word : list.GetListedWords()) {
            Expect(model.flagCount == 0 || list.FindWord(word) >= 0, "listed word found");
        }
        break;
    case 9: {
        const std::vector<CString> sorted = model.Sorted(model.words);
        const auto at = static_cast<std::size_t>(number);
        list.BuildSorted();
        Expect(
            list.WordAt(number) ==
                (number >= 0 && at < model.words.size() ? ToCString(model.words[at]) : CString()),
            "WordAt");
        Expect(list.SortedWordAt(number) ==
                   (number >= 0 && at < sorted.size() ? sorted[at] : CString()),
               "SortedWordAt");
        break;
    }
    case 10: {
        Cvx_WordList copy(list);
        ExpectSame(copy, model);
        other.list = copy;
        other.model = model;
        const Cvx_WordList& self = other.list;
        other.list = self;
        break;
    }
    default:
        break; // the caller makes the other list the one that the next lines drive
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The checks cost time in the square of the program's length; the fuzzer makes programs of
    // at most 2 KB, and a longer replayed file is cut to its beginning.
    size = std::min<std::size_t>(size, 4096);
    Subject first;
    Subject second;
    Subject* subject = &first;
    Subject* other = &second;
    for (const std::string& line : vxcheck::fuzz::SplitLines(data, size)) {
        if (line.empty()) {
            continue;
        }
        const auto op = static_cast<unsigned char>(line[0]);
        Run(*subject, *other, op, line.substr(1));
        if (op % 12 == 11) {
            std::swap(subject, other);
        }
    }
    ExpectSame(first.list, first.model);
    ExpectSame(second.list, second.model);
    return 0;
}

// Fuzz target: the checker's questions with arbitrary words, on a checker that has read
// phreeqc.dat. Each line of the input is one question: its first byte picks the question, the rest
// is the word, or for the list searches a mode word followed by the words. The answers are
// checked against the checker's own lists.
#include "fuzz_input.h"
#include "species_searches.h"

#include <vxcheck/check.h>

#include <algorithm>
#include <iterator>

using vxcheck::fuzz::Expect;
using vxcheck::fuzz::kSpeciesSearches;
using vxcheck::fuzz::Within;

namespace {

constexpr int kSearches = static_cast<int>(std::size(kSpeciesSearches));

CString Folded(const CString& word) {
    std::string text(word.GetString(), static_cast<std::size_t>(word.GetLength()));
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z') {
            ch = static_cast<char>(ch - 'a' + 'A');
        }
    }
    return vxcheck::fuzz::ToCString(text);
}

struct Reference {
    Cvx_Check checker;
    std::vector<CString> foldedKeywords;
    std::vector<CString> identifiers;
    std::vector<std::vector<CString>> names; // per search, what its getter holds

    Reference() {
        checker.ReadDatabase(VXCHECK_DATA_DIR "/databases/phreeqc.dat");
        for (const CString& keyword : checker.GetKeywords()) {
            foldedKeywords.push_back(Folded(keyword));
        }
        identifiers = checker.GetIdentifier();
        for (const auto& search : kSpeciesSearches) {
            names.push_back(search.names != nullptr ? (checker.*search.names)()
                                                    : std::vector<CString>());
            // The first search builds the species cache; do it now, so that every input meets
            // the same checker.
            (checker.*search.single)("Ca");
        }
        Expect(!names[0].empty() && !names[1].empty(), "phreeqc.dat was read");
    }
};

// Mode words compare as the runtime compares strings: up to their first NUL.
bool KnownMode(const CString& mode) {
    const CString folded = Folded(CString(mode.GetString()));
    return folded == "CON" || folded == "OR" || folded == "AND" || folded == "INC";
}

void Ask(Reference& reference, int question, const std::string& text) {
    Cvx_Check& checker = reference.checker;
    const CString word = vxcheck::fuzz::ToCString(text);
    if (question == 0) {
        const int position = checker.CheckKeyword(word);
        Expect(position >= -1 && position <= 64, "a keyword position is -1 to 64");
        const auto& keywords = reference.foldedKeywords;
        Expect((position >= 0) ==
                   (std::find(keywords.begin(), keywords.end(), Folded(word)) != keywords.end()),
               "CheckKeyword finds exactly the keywords, whatever their case");
    } else if (question == 1) {
        const std::vector<CString> listed = checker.GetIdentifier(word);
        Expect(checker.CheckKeyword(word) >= 0 || listed.empty(),
               "no identifiers for a non-keyword");
        Expect(Within(listed, reference.identifiers), "listed identifiers are identifiers");
    } else if (question < 2 + kSearches) {
        const int at = question - 2;
        const auto& search = kSpeciesSearches[at];
        const std::vector<CString> found = (checker.*search.single)(word);
        Expect(search.names == nullptr || Within(found, reference.names[at]), search.name);
    } else {
        const int at = question - 2 - kSearches;
        const auto& search = kSpeciesSearches[at];
        std::vector<CString> words = vxcheck::fuzz::SplitWords(text);
        const CString mode = words.empty() ? CString() : words.front();
        if (!words.empty()) {
            words.erase(words.begin());
        }
        const std::vector<CString> found = (checker.*search.list)(words, mode);
        Expect(search.names == nullptr || Within(found, reference.names[at]), search.name);
        Expect(KnownMode(mode) || found.empty(), "a mode that is none of the four finds nothing");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Reference reference;
    for (const std::string& line : vxcheck::fuzz::SplitLines(data, size)) {
        if (!line.empty()) {
            Ask(reference, static_cast<unsigned char>(line[0]) % (2 + 2 * kSearches),
                line.substr(1));
        }
    }
    return 0;
}

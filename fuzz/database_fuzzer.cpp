// Fuzz target: a database file of arbitrary bytes, read and then asked every getter and every
// search in every mode. The rules checked are those that hold for any file: the lists that a
// second read of the same file must leave alone, the split of the phases into minerals and gases,
// and searches that only return names of the lists.
#include "fuzz_input.h"
#include "species_searches.h"

#include <vxcheck/check.h>

#include <algorithm>

using vxcheck::fuzz::Expect;
using vxcheck::fuzz::kSpeciesSearches;
using vxcheck::fuzz::Within;

namespace {

// Runs every search form on the checker: the single-word forms with element, the list forms with
// words in the four modes and in a mode that is none of them.
// cppcheck-suppress constParameter ; the searches, called through member pointers, change it
void SearchAll(Cvx_Check& checker, const CString& element, const std::vector<CString>& words) {
    for (const auto& search : kSpeciesSearches) {
        const std::vector<CString> names =
            search.names != nullptr ? (checker.*search.names)() : std::vector<CString>();
        const auto holds = [&](const std::vector<CString>& found) {
            return search.names == nullptr || Within(found, names);
        };
        Expect(holds((checker.*search.single)(element)), search.name);
        for (const char* mode : {"con", "or", "AND", "inc"}) {
            Expect(holds((checker.*search.list)(words, mode)), search.name);
        }
        Expect((checker.*search.list)(words, "xor").empty(),
               "a mode that is none of the four finds nothing");
    }
}

void CheckLists(Cvx_Check& checker) {
    const std::vector<CString> composition = checker.GetMasterSpeciesComp();
    Expect(composition.size() >= 3 && composition[0] == "Total_H" && composition[1] == "Total_O" &&
               composition[2] == "Charge",
           "the composition list begins with Total_H, Total_O, Charge");
    const std::vector<CString> phases = checker.GetPhases();
    const std::vector<CString> gases = checker.GetGases();
    Expect(checker.GetMinerals().size() + gases.size() == phases.size(),
           "each phase is a mineral or a gas");
    for (const CString& gas : gases) {
        Expect(gas.Find("(g)") >= 1, "a gas holds (g) after its first character");
    }
}

// Reads the file twice the same way: the second read adds no name, since every name was read.
void ReadTwice(Cvx_Check& checker, const CString& path) {
    checker.ReadDatabase(path);
    CheckLists(checker);
    const std::vector<CString> aqueous = checker.GetAqueousSpecies();
    const std::vector<CString> phases = checker.GetPhases();
    checker.ReadDatabase(path);
    CheckLists(checker);
    Expect(checker.GetAqueousSpecies() == aqueous && checker.GetPhases() == phases,
           "a second read of the same file leaves the sorted lists alone");
}

void SearchWith(Cvx_Check& checker, const CString& word) {
    const std::vector<CString> master = checker.GetMasterSpecies();
    std::vector<CString> words;
    for (std::size_t i = 0; i < master.size() && i < 2; ++i) {
        words.push_back(master[i]);
    }
    words.push_back(word);
    SearchAll(checker, master.empty() ? word : master.front(), words);
    SearchAll(checker, word, {word});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vxcheck::fuzz::InputFile file;
    const CString path = file.Write(data, size);
    // A word of the last line serves as element and as search text.
    const std::vector<std::string> lines = vxcheck::fuzz::SplitLines(data, size);
    const std::vector<CString> words = vxcheck::fuzz::SplitWords(lines.back());
    const CString word = words.empty() ? CString("Ca") : words.front();
    Cvx_Check checker;
    ReadTwice(checker, path);
    SearchWith(checker, word);
    return 0;
}

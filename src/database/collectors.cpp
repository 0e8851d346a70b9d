// The end-of-read steps: the database word lists become the sorted string lists that the species
// getters return, the phases are split into minerals and gases, and the master species give the
// composition list.
#include <vxcheck/identifiers.h>

#include <utility>

namespace {

// Valence-state names that never enter the composition list: water's own states.
constexpr const char* kWaterStates[] = {"O(0)", "O(-2)", "H(0)", "H(1)"};

bool IsWaterState(const CString& entry) {
    for (const char* state : kWaterStates) {
        if (entry == state) {
            return true;
        }
    }
    return false;
}

// Where "(g)" first occurs, compared with regard to case: -1 when it does not.
int GasMarkAt(const CString& name) {
    return name.Find("(g)");
}

} // namespace

// Both lists receive their entries again at every read, after what they already hold. The names
// compared here ("E", "Alkalinity", the water states) are compared with regard to case.
int Cvx_KwIdentifiers::CollectMasterSpecies(Cvx_WordList& masterSpecies,
                                            std::vector<CString>& composition,
                                            std::vector<CString>& masterList) {
    masterSpecies.BuildIndex();
    masterSpecies.BuildSorted();
    composition.emplace_back("Total_H");
    composition.emplace_back("Total_O");
    composition.emplace_back("Charge");
    for (int i = 0; i < masterSpecies.SortedWordCount(); ++i) {
        const CString entry = masterSpecies.SortedWordAt(i);
        if (entry.Find('(') < 0) {
            // An element whose valence states are listed separately gives way to them; the
            // prefix search ignores case, so "fe(+2)" keeps "Fe" out too.
            if (masterSpecies.FindPrefix(entry + "(") == -1 && entry != "E" &&
                entry != "Alkalinity") {
                composition.push_back(entry);
            }
        } else if (!IsWaterState(entry)) {
            composition.push_back(entry);
        }
        if (entry != "E") {
            masterList.push_back(entry);
        }
    }
    return 0;
}

int Cvx_KwIdentifiers::CollectSorted(Cvx_WordList& words, std::vector<CString>& list) {
    words.BuildIndex();
    words.BuildSorted();
    list = words.GetSortedWords();
    return 0;
}

int Cvx_KwIdentifiers::CollectPhases(Cvx_WordList& phaseWords, std::vector<CString>& phases,
                                     std::vector<CString>& minerals, std::vector<CString>& gases) {
    CollectSorted(phaseWords, phases);
    minerals = SelectMinerals(phases);
    gases = SelectGases(phases);
    return 0;
}

// A name that begins with "(g)" is no gas: the mark must follow at least one character.
std::vector<CString> Cvx_KwIdentifiers::SelectMinerals(std::vector<CString> list) {
    std::vector<CString> minerals;
    for (CString& name : list) {
        if (GasMarkAt(name) <= 0) {
            minerals.push_back(std::move(name));
        }
    }
    return minerals;
}

std::vector<CString> Cvx_KwIdentifiers::SelectGases(std::vector<CString> list) {
    std::vector<CString> gases;
    for (CString& name : list) {
        if (GasMarkAt(name) > 0) {
            gases.push_back(std::move(name));
        }
    }
    return gases;
}

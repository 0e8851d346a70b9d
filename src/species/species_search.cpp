// The Find... family of the checker: aqueous species, phases, minerals and gases searched through
// their definitions' caches, and exchange and surface species with their exchanger rules.
#include <vxcheck/check.h>

#include "search_mode.h"

#include <utility>

using vxcheck::SearchMode;

namespace {

// The names of a species set that one exchange or surface master species can hold: the set's
// definition, its word list, the combined master species word list as element list, and the
// exchangers (or surface sites) in sorted order.
struct MasterSearch {
    Cvx_KwIdentifiers& definition;
    Cvx_WordList& species;
    Cvx_WordList& elements;
    const std::vector<CString>& masters;

    std::vector<CString> Search(std::vector<CString> words, const CString& mode) const {
        return definition.FindSpeciesWithElements(std::move(words), species, elements, mode);
    }
};

void Append(std::vector<CString>& to, std::vector<CString> from) {
    to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
}

// The species that hold element together with each master in turn, concatenated: a name that
// matches two masters comes twice. With no master no search runs and no cache is built
// (docs/decisions.md, "Exchange and surface searches without exchanger").
std::vector<CString> FindWithEachMaster(const MasterSearch& search, const CString& element) {
    std::vector<CString> result;
    for (const CString& master : search.masters) {
        Append(result, search.Search({element, master}, "and"));
    }
    return result;
}

bool NamesAMaster(const std::vector<CString>& words, const std::vector<CString>& masters) {
    for (const CString& word : words) {
        for (const CString& master : masters) {
            if (_mbsicmp(reinterpret_cast<const unsigned char*>(word.GetString()),
                         reinterpret_cast<const unsigned char*>(master.GetString())) == 0) {
                return true;
            }
        }
    }
    return false;
}

// Words that name no master are searched once per master with that master added, keeping the
// names that contain the master's spelling; "con", "or", "and" and words that name a master are
// searched as given.
std::vector<CString> FindWithMasters(const MasterSearch& search, std::vector<CString> words,
                                     const CString& mode) {
    const SearchMode searchMode = vxcheck::ParseSearchMode(mode);
    if (searchMode == SearchMode::Contains || searchMode == SearchMode::Any ||
        searchMode == SearchMode::All || NamesAMaster(words, search.masters)) {
        return search.Search(std::move(words), mode);
    }
    std::vector<CString> result;
    for (const CString& master : search.masters) {
        std::vector<CString> withMaster = words;
        withMaster.push_back(master);
        std::vector<CString> found = search.Search(std::move(withMaster), mode);
        for (CString& name : found) {
            if (name.Find(master) >= 0) {
                result.push_back(std::move(name));
            }
        }
    }
    return result;
}

} // namespace

std::vector<CString> Cvx_Check::FindAqueousSpecies(CString element) {
    return solutionSpecies.FindSpeciesWithElement(element, aqueousSpeciesWords, masterSpeciesWords);
}

std::vector<CString> Cvx_Check::FindAqueousSpecies(std::vector<CString> words, CString mode) {
    return solutionSpecies.FindSpeciesWithElements(std::move(words), aqueousSpeciesWords,
                                                   masterSpeciesWords, mode);
}

// Phases, minerals and gases share one cache, built from the phase formulas.
std::vector<CString> Cvx_Check::FindPhases(CString element) {
    return phases.FindSpeciesWithElement(element, phaseWords, masterSpeciesWords);
}

std::vector<CString> Cvx_Check::FindPhases(std::vector<CString> words, CString mode) {
    return phases.FindSpeciesWithElements(std::move(words), phaseWords, masterSpeciesWords, mode);
}

std::vector<CString> Cvx_Check::FindGases(CString element) {
    return Cvx_KwIdentifiers::SelectGases(FindPhases(element));
}

std::vector<CString> Cvx_Check::FindGases(std::vector<CString> words, CString mode) {
    return Cvx_KwIdentifiers::SelectGases(FindPhases(std::move(words), mode));
}

std::vector<CString> Cvx_Check::FindMinerals(CString element) {
    return Cvx_KwIdentifiers::SelectMinerals(FindPhases(element));
}

std::vector<CString> Cvx_Check::FindMinerals(std::vector<CString> words, CString mode) {
    return Cvx_KwIdentifiers::SelectMinerals(FindPhases(std::move(words), mode));
}

std::vector<CString> Cvx_Check::FindExchangeSpecies(CString element) {
    return FindWithEachMaster({exchangeSpecies, exchangeSpeciesWords, combinedMasterSpeciesWords,
                               exchangeMasterSpeciesList},
                              element);
}

std::vector<CString> Cvx_Check::FindExchangeSpecies(std::vector<CString> words, CString mode) {
    return FindWithMasters({exchangeSpecies, exchangeSpeciesWords, combinedMasterSpeciesWords,
                            exchangeMasterSpeciesList},
                           std::move(words), mode);
}

// The surface master species take the exchangers' place.
std::vector<CString> Cvx_Check::FindSurfaceSpecies(CString element) {
    return FindWithEachMaster(
        {surfaceSpecies, surfaceSpeciesWords, combinedMasterSpeciesWords, surfaceMasterSpeciesList},
        element);
}

std::vector<CString> Cvx_Check::FindSurfaceSpecies(std::vector<CString> words, CString mode) {
    return FindWithMasters(
        {surfaceSpecies, surfaceSpeciesWords, combinedMasterSpeciesWords, surfaceMasterSpeciesList},
        std::move(words), mode);
}

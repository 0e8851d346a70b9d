// The species cache of a definition and the two searches over it: each formula is cut into
// tokens and each token looked up once per checker; a search is then one pass over the entries.
#include <vxcheck/identifiers.h>

#include "formula_tokens.h"
#include "search_mode.h"

#include <algorithm>

using vxcheck::SearchMode;

namespace {

// Whether the entry holds the element at position p of the element word list. A position at or
// beyond the end of the mask belongs to a master species added after the cache was built: it
// counts as an element the entry does not hold (docs/decisions.md, "Masks of an earlier cache").
bool Holds(const Cvx_SpeciesEntry& entry, int p) {
    return p >= 0 && static_cast<std::size_t>(p) < entry.mask.size() &&
           entry.mask[static_cast<std::size_t>(p)] == 1;
}

// "inc": at least one element, and every element held is allowed.
bool HoldsOnly(const Cvx_SpeciesEntry& entry, const std::vector<unsigned char>& allowed) {
    bool holdsAny = false;
    for (std::size_t slot = 0; slot < entry.mask.size(); ++slot) {
        if (entry.mask[slot] == 1) {
            if (slot >= allowed.size() || allowed[slot] == 0) {
                return false;
            }
            holdsAny = true;
        }
    }
    return holdsAny;
}

bool Matches(SearchMode mode, const Cvx_SpeciesEntry& entry, const std::vector<int>& positions,
             const std::vector<unsigned char>& allowed) {
    switch (mode) {
    case SearchMode::Any:
        return std::any_of(positions.begin(), positions.end(),
                           [&entry](int p) { return Holds(entry, p); });
    case SearchMode::All: {
        // Words that are no element are ignored; with none left, nothing matches.
        bool anyFound = false;
        for (const int p : positions) {
            if (p >= 0) {
                if (!Holds(entry, p)) {
                    return false;
                }
                anyFound = true;
            }
        }
        return anyFound;
    }
    case SearchMode::Within:
        return HoldsOnly(entry, allowed);
    case SearchMode::Contains:
    case SearchMode::Unknown:
        break;
    }
    return false;
}

} // namespace

void Cvx_KwIdentifiers::BuildSpeciesCache(std::vector<CString> formulas, std::vector<CString> names,
                                          Cvx_WordList& elementList) {
    if (speciesCacheBuilt != 0) {
        return;
    }
    std::vector<unsigned char> mask(static_cast<std::size_t>(elementList.WordCount()));
    // The two lists have equal length when the searches call this; a longer one is cut short.
    const std::size_t count = std::min(formulas.size(), names.size());
    speciesCache.reserve(speciesCache.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        std::fill(mask.begin(), mask.end(), 0);
        for (const CString& token : vxcheck::FormulaTokens(formulas[i])) {
            const int p = elementList.FindWord(token);
            if (p >= 0 && static_cast<std::size_t>(p) < mask.size()) {
                mask[static_cast<std::size_t>(p)] = 1;
            }
        }
        speciesCache.push_back({std::move(names[i]), mask});
    }
    speciesCacheBuilt = 1;
}

// Only the phase word list has sorted companions: there the formulas are the phase formulas,
// elsewhere the names are their own formulas.
void Cvx_KwIdentifiers::EnsureSpeciesCache(Cvx_WordList& speciesList, Cvx_WordList& elementList) {
    if (speciesCacheBuilt != 0) {
        return;
    }
    speciesList.BuildSorted();
    std::vector<CString> names = speciesList.GetSortedWords();
    std::vector<CString> formulas =
        speciesList.SortedCompanionCount() > 0 ? speciesList.GetSortedCompanions() : names;
    BuildSpeciesCache(std::move(formulas), std::move(names), elementList);
}

std::vector<CString> Cvx_KwIdentifiers::FindSpeciesWithElement(CString element,
                                                               Cvx_WordList& speciesList,
                                                               Cvx_WordList& elementList) {
    EnsureSpeciesCache(speciesList, elementList);
    const int p = elementList.FindWord(element);
    std::vector<CString> result;
    if (p < 0) {
        return result;
    }
    for (const Cvx_SpeciesEntry& entry : speciesCache) {
        if (Holds(entry, p)) {
            result.push_back(entry.name);
        }
    }
    return result;
}

// "con" looks at the current names and never touches the cache; every other mode word, even one
// that matches nothing, builds it.
std::vector<CString> Cvx_KwIdentifiers::FindSpeciesWithElements(std::vector<CString> words,
                                                                Cvx_WordList& speciesList,
                                                                Cvx_WordList& elementList,
                                                                CString mode) {
    const SearchMode searchMode = vxcheck::ParseSearchMode(mode);
    std::vector<CString> result;
    if (searchMode == SearchMode::Contains) {
        if (words.empty()) {
            return result;
        }
        speciesList.BuildSorted();
        for (int i = 0; i < speciesList.SortedWordCount(); ++i) {
            CString name = speciesList.SortedWordAt(i);
            if (name.Find(words.front()) >= 0) {
                result.push_back(std::move(name));
            }
        }
        return result;
    }

    EnsureSpeciesCache(speciesList, elementList);
    std::vector<int> positions;
    positions.reserve(words.size());
    for (const CString& word : words) {
        positions.push_back(elementList.FindWord(word));
    }
    std::vector<unsigned char> allowed;
    if (searchMode == SearchMode::Within) {
        // O and H are always allowed: water's elements.
        allowed.assign(static_cast<std::size_t>(elementList.WordCount()), 0);
        positions.push_back(elementList.FindWord("O"));
        positions.push_back(elementList.FindWord("H"));
        for (const int p : positions) {
            if (p >= 0) {
                allowed[static_cast<std::size_t>(p)] = 1;
            }
        }
    }
    for (const Cvx_SpeciesEntry& entry : speciesCache) {
        if (Matches(searchMode, entry, positions, allowed)) {
            result.push_back(entry.name);
        }
    }
    return result;
}

// Cvx_KwIdentifiers: the "-" options of a keyword family, which of them are offered, and the
// block readers, collectors and species searches that run on a definition. Its 27 definitions
// are in identifier_definitions.h.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/cstring.h>
#include <vxcheck/word_list.h>

#include <vector>

class Cvx_Check;
class Cvx_DbReader;
struct Cvx_IdentifierTable;

// One entry of a species cache: a name and one mask byte per element word (1: holds it).
struct Cvx_SpeciesEntry {
    CString name;
    std::vector<unsigned char> mask;
};

// The identifier definition of one keyword family. Definitions are plain members of the checker
// and are never deleted through a base pointer.
class VXCHECK_API Cvx_KwIdentifiers {
  public:
    Cvx_KwIdentifiers() = default;
    Cvx_KwIdentifiers(const Cvx_KwIdentifiers&) = default;
    Cvx_KwIdentifiers& operator=(const Cvx_KwIdentifiers&) = default;
    ~Cvx_KwIdentifiers() = default;

    // Appends the family's items and flags to the identifier list; the base appends nothing.
    virtual void FillIdentifiers() {}

    // Fills the identifier list and builds its index, once over the definition's life.
    void EnsureFilled();
    // Every item in fill order, whatever its flag.
    std::vector<CString> GetAllIdentifiers();
    // The items with flag 1 in sorted order; every item in fill order when there are no flags.
    std::vector<CString> GetListedIdentifiers();

    // Block readers. Each reads from just after the block's keyword and returns the keyword
    // position of the keyword that ended the block (0 or more), or -2 at the end of the file.
    int ReadMasterSpeciesBlock(Cvx_DbReader& reader, Cvx_Check& checker,
                               std::vector<CString>& result);
    int ReadSpeciesBlock(Cvx_DbReader& reader, Cvx_Check& checker, std::vector<CString>& result);
    int ReadPhasesBlock(Cvx_DbReader& reader, Cvx_Check& checker, std::vector<CString>& names,
                        std::vector<CString>& formulas);

    // End-of-read steps; their results are always 0.
    int CollectMasterSpecies(Cvx_WordList& masterSpecies, std::vector<CString>& composition,
                             std::vector<CString>& masterList);
    int CollectSorted(Cvx_WordList& words, std::vector<CString>& list);
    int CollectPhases(Cvx_WordList& phaseWords, std::vector<CString>& phases,
                      std::vector<CString>& minerals, std::vector<CString>& gases);
    // The entries in which "(g)" does not occur, or occurs first at the very start.
    static std::vector<CString> SelectMinerals(std::vector<CString> list);
    // The entries in which "(g)" first occurs at the second character or later.
    static std::vector<CString> SelectGases(std::vector<CString> list);

    // Species searches over the definition's species cache, built once on first use and never
    // rebuilt. BuildSpeciesCache pairs formulas[i] with names[i]; it does nothing once built.
    void BuildSpeciesCache(std::vector<CString> formulas, std::vector<CString> names,
                           Cvx_WordList& elementList);
    // The names whose formula holds element, in sorted order; empty when it is no element word.
    std::vector<CString> FindSpeciesWithElement(CString element, Cvx_WordList& speciesList,
                                                Cvx_WordList& elementList);
    // The names that match words in mode "con", "or", "and" or "inc"; empty for any other mode.
    std::vector<CString> FindSpeciesWithElements(std::vector<CString> words,
                                                 Cvx_WordList& speciesList,
                                                 Cvx_WordList& elementList, CString mode);

  protected:
    // Appends a family's table: its names with "-" and flag 1, flag 0 at the table's unlisted
    // positions, then its plain items with their own flags.
    void FillFromTable(const Cvx_IdentifierTable& table);

  private:
    // Builds the species cache from speciesList's sorted names (and sorted companions, when it
    // has them, as formulas) unless it was built before.
    void EnsureSpeciesCache(Cvx_WordList& speciesList, Cvx_WordList& elementList);

    Cvx_WordList identifierList;
    std::vector<Cvx_SpeciesEntry> speciesCache;
    unsigned char filled = 0;
    unsigned char speciesCacheBuilt = 0;
};

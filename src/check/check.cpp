// Cvx_Check: construction of the fixed vocabulary, the keyword queries, and copying.
#include <vxcheck/check.h>

namespace {

// True on a thread while it builds the catalogue, the one checker that is built from the tables.
thread_local bool tBuildingCatalogue = false;

class BuildingCatalogue {
  public:
    BuildingCatalogue() { tBuildingCatalogue = true; }
    BuildingCatalogue(const BuildingCatalogue&) = delete;
    BuildingCatalogue& operator=(const BuildingCatalogue&) = delete;
    ~BuildingCatalogue() { tBuildingCatalogue = false; }
};

// The fixed vocabulary, built once per process on first need and never changed: every other
// checker begins as a copy of it, whose word indexes share its nodes (docs/decisions.md, "The
// catalogue is built once").
const Cvx_Check& Catalogue() {
    static const Cvx_Check catalogue = [] {
        const BuildingCatalogue building;
        return Cvx_Check();
    }();
    return catalogue;
}

} // namespace

Cvx_Check::Cvx_Check() {
    if (!tBuildingCatalogue) {
        *this = Catalogue();
        return;
    }
    GetListOfPhreeqcKeywords();
    keywordList.BuildSorted();
    // Definitions 2 to 25, in number order; 1, 26 and 27 have nothing to fill.
    for (int number = 2; number <= 25; ++number) {
        Cvx_KwIdentifiers* definition = DefinitionByNumber(number);
        definition->EnsureFilled();
        identifierList.AddWords(definition->GetAllIdentifiers());
    }
    identifierList.BuildSorted();
    GetListOfPhreeqcBasic();
    basicList.BuildSorted();
}

// Every member copies itself completely (word lists whose indexes share nodes until one of them
// changes, definitions with their caches and flags); a copy that fails part-way destroys what it
// had copied.
Cvx_Check::Cvx_Check(const Cvx_Check& other) = default;
Cvx_Check& Cvx_Check::operator=(const Cvx_Check& other) = default;
Cvx_Check::~Cvx_Check() = default;

std::vector<CString> Cvx_Check::GetKeywords() {
    return keywordList.GetSortedWords();
}

int Cvx_Check::CheckKeyword(CString keyword) {
    return keywordList.FindWord(keyword);
}

Cvx_KwIdentifiers* Cvx_Check::DefinitionByNumber(int number) {
    Cvx_KwIdentifiers* const byNumber[] = {&solutionMasterSpecies,
                                           &solutionSpecies,
                                           &solution,
                                           &phases,
                                           &solutionSpread,
                                           &equilibriumPhases,
                                           &exchange,
                                           &gasPhase,
                                           &kinetics,
                                           &solidSolutions,
                                           &surface,
                                           &print,
                                           &selectedOutput,
                                           &userPrint,
                                           &userPunch,
                                           &exchangeSpecies,
                                           &pitzer,
                                           &rates,
                                           &surfaceSpecies,
                                           &calculateValues,
                                           &isotopes,
                                           &knobs,
                                           &llnlAqueousModel,
                                           &datablock,
                                           &reactiveTransport,
                                           &exchangeMasterSpecies,
                                           &surfaceMasterSpecies};
    return (number >= 1 && number <= 27) ? byNumber[number - 1] : nullptr;
}

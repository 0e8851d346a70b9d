// Cvx_Check: construction of the fixed vocabulary, the keyword queries, and copying.
#include <vxcheck/check.h>

Cvx_Check::Cvx_Check() {
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

// Every member copies itself completely (word lists with indexes of their own, definitions with
// their caches and flags); a copy that fails part-way destroys what it had copied.
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

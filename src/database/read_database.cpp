// ReadDatabase: walks a database file block by block, hands each block to the reader of its
// keyword's definition, and ends with the steps that rebuild the species lists.
#include <vxcheck/check.h>

#include <vxcheck/database_file.h>

#include "database/database_stream.h"

namespace {

enum class BlockKind { MasterSpecies, Species, Phases };

// One row of the dispatch table: the blocks that a definition number opens, how they are read
// (by the definition with that number), and the word list that receives the names.
struct BlockRoute {
    int number;
    BlockKind kind;
    Cvx_WordList* names;
};

} // namespace

void Cvx_Check::ReadDatabase(CString path) {
    const BlockRoute routes[] = {
        {1, BlockKind::MasterSpecies, &masterSpeciesWords},
        {2, BlockKind::Species, &aqueousSpeciesWords},
        {4, BlockKind::Phases, &phaseWords},
        {16, BlockKind::Species, &exchangeSpeciesWords},
        {19, BlockKind::Species, &surfaceSpeciesWords},
        {26, BlockKind::MasterSpecies, &exchangeMasterSpeciesWords},
        {27, BlockKind::MasterSpecies, &surfaceMasterSpeciesWords},
    };
    // Each word list is changed once per block, from these two scratch lists.
    std::vector<CString> blockResult;
    std::vector<CString> formulaResult;

    // Only a keyword may come first; a file that cannot be opened reads as one that holds none.
    int position = dbReader.Open(path) != 0 ? keywordList.FindWord(dbReader.ReadWord()) : -1;
    while (position >= 0) {
        const int number = keywordIndex[static_cast<std::size_t>(position)];
        const BlockRoute* route = nullptr;
        for (const BlockRoute& candidate : routes) {
            if (candidate.number == number) {
                route = &candidate;
                break;
            }
        }
        // Any other keyword ("end", "pitzer", "rates", ...) ends the reading.
        if (route == nullptr) {
            break;
        }
        Cvx_KwIdentifiers* definition = DefinitionByNumber(number);
        blockResult.clear();
        switch (route->kind) {
        case BlockKind::MasterSpecies:
            position = definition->ReadMasterSpeciesBlock(dbReader, *this, blockResult);
            route->names->AddWords(blockResult);
            combinedMasterSpeciesWords.AddWords(blockResult);
            break;
        case BlockKind::Species:
            position = definition->ReadSpeciesBlock(dbReader, *this, blockResult);
            route->names->AddWords(blockResult);
            break;
        case BlockKind::Phases:
            formulaResult.clear();
            position = definition->ReadPhasesBlock(dbReader, *this, blockResult, formulaResult);
            route->names->AddWords(blockResult);
            route->names->AddCompanions(formulaResult);
            break;
        }
        if (dbReader.AtEnd()) {
            break;
        }
    }
    // Nothing reads from the stream after this call, so it is closed here (docs/decisions.md).
    dbReader.Close();

    solutionMasterSpecies.CollectMasterSpecies(masterSpeciesWords, masterSpeciesCompList,
                                               masterSpeciesList);
    solutionSpecies.CollectSorted(aqueousSpeciesWords, aqueousSpeciesList);
    phases.CollectPhases(phaseWords, phaseList, mineralList, gasList);
    exchangeMasterSpecies.CollectSorted(exchangeMasterSpeciesWords, exchangeMasterSpeciesList);
    exchangeSpecies.CollectSorted(exchangeSpeciesWords, exchangeSpeciesList);
    surfaceMasterSpecies.CollectSorted(surfaceMasterSpeciesWords, surfaceMasterSpeciesList);
    surfaceSpecies.CollectSorted(surfaceSpeciesWords, surfaceSpeciesList);

    // A companion read (ReadDatabaseBytes) learns what the getters do not hand out.
    if (vxcheck::DatabaseRead* report = vxcheck::detail::TakeCompanionReport()) {
        report->exchangeMasterSpecies = exchangeMasterSpeciesList;
        report->surfaceMasterSpecies = surfaceMasterSpeciesList;
        report->phases = phaseList;
        report->phaseFormulas = phaseWords.GetSortedCompanions();
    }
}

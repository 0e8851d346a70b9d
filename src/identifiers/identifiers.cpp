// Cvx_KwIdentifiers: filling a definition from its table, and its two identifier views. Each of
// the 27 definitions only names its table.
#include <vxcheck/identifier_definitions.h>
#include <vxcheck/identifiers.h>

#include "identifier_table.h"

void Cvx_KwIdentifiers::EnsureFilled() {
    if (filled != 0) {
        return;
    }
    FillIdentifiers();
    identifierList.BuildIndex();
    filled = 1;
}

std::vector<CString> Cvx_KwIdentifiers::GetAllIdentifiers() {
    return identifierList.GetWords();
}

std::vector<CString> Cvx_KwIdentifiers::GetListedIdentifiers() {
    return identifierList.GetListedWords();
}

// Flags are addressed by position, so the names go in first, in table order, and the plain items
// after the unlisted flags have been set.
void Cvx_KwIdentifiers::FillFromTable(const Cvx_IdentifierTable& table) {
    for (const char* name : table.names) {
        identifierList.AddWord(CString("-") + name);
        if (table.flagged) {
            identifierList.AddFlag(1);
        }
    }
    if (!table.flagged) {
        return;
    }
    for (const int position : table.unlisted) {
        identifierList.SetFlag(0, position);
    }
    for (const Cvx_PlainItem& item : table.plain) {
        identifierList.AddWord(item.text);
        identifierList.AddFlag(item.flag);
    }
}

#define CVX_KW_DEFINITION_WITH_TABLE(Name, table)                                                  \
    Name::Name() = default;                                                                        \
    Name::~Name() = default;                                                                       \
    void Name::FillIdentifiers() {                                                                 \
        FillFromTable(table);                                                                      \
    }

// The master-species definitions have nothing to fill; the block readers run on them.
#define CVX_KW_DEFINITION_WITHOUT_TABLE(Name)                                                      \
    Name::Name() = default;                                                                        \
    Name::~Name() = default;                                                                       \
    void Name::FillIdentifiers() {                                                                 \
        Cvx_KwIdentifiers::FillIdentifiers();                                                      \
    }

CVX_KW_DEFINITION_WITHOUT_TABLE(Cvx_KwSolutionMasterSpecies)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSolutionSpecies, kSolutionSpeciesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSolution, kSolutionTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwPhases, kPhasesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSolutionSpread, kSolutionSpreadTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwEquilibriumPhases, kEquilibriumPhasesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwExchange, kExchangeTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwGasPhase, kGasPhaseTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwKinetics, kKineticsTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSolidSolutions, kSolidSolutionsTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSurface, kSurfaceTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwPrint, kPrintTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSelectedOutput, kSelectedOutputTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwUserPrint, kUserPrintTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwUserPunch, kUserPunchTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwExchangeSpecies, kExchangeSpeciesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwPitzer, kPitzerTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwRates, kRatesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwSurfaceSpecies, kSurfaceSpeciesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwCalculateValues, kCalculateValuesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwIsotopes, kIsotopesTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwKnobs, kKnobsTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwLlnlAqueousModelParameters, kLlnlAqueousModelParametersTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwDatablock, kDatablockTable)
CVX_KW_DEFINITION_WITH_TABLE(Cvx_KwReactiveTransport, kReactiveTransportTable)
CVX_KW_DEFINITION_WITHOUT_TABLE(Cvx_KwExchangeMasterSpecies)
CVX_KW_DEFINITION_WITHOUT_TABLE(Cvx_KwSurfaceMasterSpecies)

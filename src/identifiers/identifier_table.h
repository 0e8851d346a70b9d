// The shape of an identifier definition's table: its names (appended with "-"), the positions
// that get flag 0, and its plain items, appended as written with their own flags.
#pragma once

#include <cstddef>
#include <span>

struct Cvx_PlainItem {
    const char* text;
    unsigned char flag;
};

struct Cvx_IdentifierTable {
    std::span<const char* const> names;
    std::span<const int> unlisted;        // positions among names that get flag 0
    std::span<const Cvx_PlainItem> plain; // appended after the names
    bool flagged;                         // false: no flags at all, every item listed
};

// The items a table appends, and how many of them get flag 1 (all of them without flags).
constexpr std::size_t Items(const Cvx_IdentifierTable& table) {
    return table.names.size() + (table.flagged ? table.plain.size() : 0);
}
constexpr std::size_t Listed(const Cvx_IdentifierTable& table) {
    if (!table.flagged) {
        return table.names.size();
    }
    std::size_t listed = table.names.size() - table.unlisted.size();
    for (const Cvx_PlainItem& item : table.plain) {
        listed += item.flag == 1 ? 1 : 0;
    }
    return listed;
}

extern const Cvx_IdentifierTable kSolutionSpeciesTable;            // 2
extern const Cvx_IdentifierTable kSolutionTable;                   // 3
extern const Cvx_IdentifierTable kPhasesTable;                     // 4
extern const Cvx_IdentifierTable kSolutionSpreadTable;             // 5
extern const Cvx_IdentifierTable kEquilibriumPhasesTable;          // 6
extern const Cvx_IdentifierTable kExchangeTable;                   // 7
extern const Cvx_IdentifierTable kGasPhaseTable;                   // 8
extern const Cvx_IdentifierTable kKineticsTable;                   // 9
extern const Cvx_IdentifierTable kSolidSolutionsTable;             // 10
extern const Cvx_IdentifierTable kSurfaceTable;                    // 11
extern const Cvx_IdentifierTable kPrintTable;                      // 12
extern const Cvx_IdentifierTable kSelectedOutputTable;             // 13
extern const Cvx_IdentifierTable kUserPrintTable;                  // 14
extern const Cvx_IdentifierTable kUserPunchTable;                  // 15
extern const Cvx_IdentifierTable kExchangeSpeciesTable;            // 16
extern const Cvx_IdentifierTable kPitzerTable;                     // 17
extern const Cvx_IdentifierTable kRatesTable;                      // 18
extern const Cvx_IdentifierTable kSurfaceSpeciesTable;             // 19
extern const Cvx_IdentifierTable kCalculateValuesTable;            // 20
extern const Cvx_IdentifierTable kIsotopesTable;                   // 21
extern const Cvx_IdentifierTable kKnobsTable;                      // 22
extern const Cvx_IdentifierTable kLlnlAqueousModelParametersTable; // 23
extern const Cvx_IdentifierTable kDatablockTable;                  // 24
extern const Cvx_IdentifierTable kReactiveTransportTable;          // 25

// The keyword index, seen through GetIdentifier: synonyms lead to one definition, and the
// keywords without one lead nowhere.
#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <set>

TEST(KeywordIndex, SynonymsShareOneDefinition) {
    Cvx_Check checker;
    const std::vector<std::vector<const char*>> families = {
        {"equilibrium_phases", "EQUILIBRIA", "Equilibrium", "pure", "Pure_Phases",
         "equilibrium_phase"},
        {"knobs", "DEBUG"},
        {"solution_spread", "solution_s", "Spread_Solution"},
        {"solid_solutions", "solid_solution"},
        {"selected_output", "select_output", "selected_out", "SELECT_OUT"},
        {"llnl_aqueous_model_parameters", "llnl_aqueous_model"}};
    std::set<std::vector<CString>> distinct;
    for (const auto& family : families) {
        const std::vector<CString> first = checker.GetIdentifier(family.front());
        EXPECT_FALSE(first.empty()) << family.front();
        for (const char* synonym : family) {
            EXPECT_EQ(checker.GetIdentifier(synonym), first) << synonym;
        }
        distinct.insert(first);
    }
    EXPECT_EQ(distinct.size(), families.size());
}

// 40 keywords lead to a definition; the 25 others, and the three master-species definitions,
// offer nothing.
TEST(KeywordIndex, KeywordsWithoutIdentifiersOfferNothing) {
    Cvx_Check checker;
    int offering = 0;
    for (const CString& keyword : checker.GetKeywords()) {
        offering += checker.GetIdentifier(keyword).empty() ? 0 : 1;
    }
    EXPECT_EQ(offering, 40 - 3);
    for (const char* keyword :
         {"end", "title", "use", "user_graph", "sit", "eof", "copy", "solution_master_species",
          "exchange_master_species", "surface_master_species"}) {
        EXPECT_GE(checker.CheckKeyword(keyword), 0);
        EXPECT_TRUE(checker.GetIdentifier(keyword).empty()) << keyword;
    }
}

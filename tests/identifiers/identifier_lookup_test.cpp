// The checker's identifier queries: one keyword's listed identifiers, the sorted union of all.
#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

namespace {
std::vector<CString> Strings(std::initializer_list<const char*> words) {
    return {words.begin(), words.end()};
}
} // namespace

TEST(IdentifierLookup, EveryKeywordGivesItsDefinitionsListedCount) {
    const std::map<std::string, std::size_t> listed = {{"solution_species", 15},
                                                       {"solution", 8},
                                                       {"phases", 12},
                                                       {"solution_spread", 9},
                                                       {"solution_s", 9},
                                                       {"spread_solution", 9},
                                                       {"pure_phases", 2},
                                                       {"equilibrium_phases", 2},
                                                       {"equilibria", 2},
                                                       {"equilibrium", 2},
                                                       {"pure", 2},
                                                       {"equilibrium_phase", 2},
                                                       {"exchange", 3},
                                                       {"gas_phase", 7},
                                                       {"kinetics", 13},
                                                       {"solid_solutions", 16},
                                                       {"solid_solution", 16},
                                                       {"surface", 10},
                                                       {"print", 26},
                                                       {"selected_output", 30},
                                                       {"select_output", 30},
                                                       {"selected_out", 30},
                                                       {"select_out", 30},
                                                       {"user_print", 2},
                                                       {"user_punch", 3},
                                                       {"exchange_species", 11},
                                                       {"pitzer", 14},
                                                       {"rates", 2},
                                                       {"surface_species", 9},
                                                       {"calculate_values", 3},
                                                       {"isotopes", 1},
                                                       {"knobs", 15},
                                                       {"debug", 15},
                                                       {"llnl_aqueous_model_parameters", 5},
                                                       {"llnl_aqueous_model", 5},
                                                       {"datablock", 5},
                                                       {"reactive_transport", 2}};
    Cvx_Check checker;
    const std::vector<CString> keywords = checker.GetKeywords();
    ASSERT_EQ(keywords.size(), 65U);
    for (const CString& keyword : keywords) {
        const auto found = listed.find(keyword.GetString());
        const std::size_t expected = found == listed.end() ? 0 : found->second;
        EXPECT_EQ(checker.GetIdentifier(keyword).size(), expected) << keyword.GetString();
    }
}

TEST(IdentifierLookup, KeywordIsComparedWholeWithoutCase) {
    Cvx_Check checker;
    EXPECT_EQ(checker.GetIdentifier("SOLUTION"), checker.GetIdentifier("solution"));
    EXPECT_TRUE(checker.GetIdentifier("Solution 1").empty());
    EXPECT_TRUE(checker.GetIdentifier("").empty());
    EXPECT_TRUE(checker.GetIdentifier("-temp").empty());
    EXPECT_EQ(checker.GetIdentifier("reactive_transport"), Strings({"-neumann", "-update"}));
    EXPECT_EQ(checker.GetIdentifier("llnl_aqueous_model"),
              Strings({"-bdot", "-co2_coefs", "-dh_a", "-dh_b", "-temperatures"}));
    const std::vector<CString> selected = checker.GetIdentifier("select_out");
    ASSERT_EQ(selected.size(), 30U);
    EXPECT_EQ(selected.front(), "-activities");
    EXPECT_EQ(selected.back(), "-water");
    auto at = [&](const char* word) { return std::find(selected.begin(), selected.end(), word); };
    EXPECT_LT(at("-pe"), at("-percent_error"));
    EXPECT_LT(at("-percent_error"), at("-ph"));
}

TEST(IdentifierLookup, AllIdentifiersAreOneSortedUnion) {
    Cvx_Check checker;
    const std::vector<CString> all = checker.GetIdentifier();
    ASSERT_EQ(all.size(), 225U);
    EXPECT_EQ(std::vector<CString>(all.begin(), all.begin() + 6),
              Strings({"-activities", "-activity_coefficients", "-activity_water", "-add_constant",
                       "-add_logk", "-add_log_k"}));
    EXPECT_EQ(std::vector<CString>(all.end() - 10, all.end()),
              Strings({"-water", "-watersink", "-zeta", "as", "charge", "dissolve_only",
                       "equilibrium_phase", "gfw", "kinetic_reactant", "precipitate_only"}));
    EXPECT_EQ(checker.GetIdentifier(), all);
}

TEST(IdentifierLookup, CheckFileNamesOnlyLooksAtTheLimit) {
    Cvx_Check checker;
    CString text("left over");
    EXPECT_EQ(checker.CheckFileNames("any.dat", 0, text), 1);
    EXPECT_TRUE(text.IsEmpty());
    text = "again";
    EXPECT_EQ(checker.CheckFileNames("", -1, text), 0);
    EXPECT_TRUE(text.IsEmpty());
}

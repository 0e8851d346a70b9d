// The identifier definitions: flags by position, plain items as written, filling once. The item
// and listed counts of every table are checked beside the tables (identifier_tables.cpp).
#include <vxcheck/identifier_definitions.h>
#include <vxcheck/identifiers.h>

#include <gtest/gtest.h>

namespace {

std::vector<CString> Strings(std::initializer_list<const char*> words) {
    return {words.begin(), words.end()};
}

} // namespace

TEST(KwIdentifiers, ListedItemsAreSortedAndPlainItemsKeptAsWritten) {
    Cvx_KwSolution solution;
    solution.EnsureFilled();
    EXPECT_EQ(solution.GetListedIdentifiers(),
              Strings({"-density", "-isotope", "-pe", "-ph", "-redox", "-temperature", "-units",
                       "-water"}));
    const std::vector<CString> all = solution.GetAllIdentifiers();
    EXPECT_EQ(all.front(), "-temp");
    EXPECT_EQ(std::vector<CString>(all.end() - 3, all.end()), Strings({"charge", "as", "gfw"}));

    Cvx_KwSurface surface;
    surface.EnsureFilled();
    EXPECT_EQ(surface.GetListedIdentifiers(),
              Strings({"-capacitances", "-cd_music", "-diffuse_layer", "-donnan", "-equilibrate",
                       "-material", "-no_edl", "-only_counter_ions", "-sites_density absolute",
                       "-sites_units density"}));

    Cvx_KwExchange exchange;
    exchange.EnsureFilled();
    EXPECT_EQ(exchange.GetListedIdentifiers(),
              Strings({"-equilibrate", "-material", "-pitzer_exchange_gammas"}));
}

TEST(KwIdentifiers, PhasesHaveNoFlagsAndKeepFillOrder) {
    Cvx_KwPhases phases;
    phases.EnsureFilled();
    const std::vector<CString> expected = Strings(
        {"-no_check", "-check", "-log_k", "-logk", "-delta_h", "-deltah", "-analytical_expression",
         "-a_e", "-ae", "-add_logk", "-add_log_k", "-add_constant"});
    EXPECT_EQ(phases.GetListedIdentifiers(), expected);
    EXPECT_EQ(phases.GetAllIdentifiers(), expected);
}

TEST(KwIdentifiers, DefinitionsStayEmptyUntilFilled) {
    Cvx_KwKnobs knobs;
    EXPECT_TRUE(knobs.GetAllIdentifiers().empty());
    knobs.FillIdentifiers();
    EXPECT_EQ(knobs.GetAllIdentifiers().size(), 16U);
    Cvx_KwKnobs copy(knobs);
    copy.EnsureFilled(); // the copy is not yet marked filled, so it fills once more
    copy.EnsureFilled(); // and then never again
    EXPECT_EQ(copy.GetAllIdentifiers().size(), 32U);
    EXPECT_EQ(knobs.GetAllIdentifiers().size(), 16U);
}

// The identifier definitions: item and listed counts, flags by position, plain items as written.
#include <vxcheck/identifier_definitions.h>
#include <vxcheck/identifiers.h>

#include <gtest/gtest.h>

namespace {

std::vector<CString> Strings(std::initializer_list<const char*> words) {
    return {words.begin(), words.end()};
}

struct Counts {
    std::size_t items;
    std::size_t listed;
};

template <typename Definition> Counts CountsOf() {
    Definition definition;
    definition.EnsureFilled();
    definition.EnsureFilled(); // filling happens once
    return {definition.GetAllIdentifiers().size(), definition.GetListedIdentifiers().size()};
}

void ExpectCounts(Counts actual, Counts expected, const char* name) {
    EXPECT_EQ(actual.items, expected.items) << name;
    EXPECT_EQ(actual.listed, expected.listed) << name;
}

} // namespace

TEST(KwIdentifiers, EveryDefinitionHasItsItemsAndListedCounts) {
#define EXPECT_COUNTS(Name, items, listed) ExpectCounts(CountsOf<Name>(), {items, listed}, #Name)
    EXPECT_COUNTS(Cvx_KwSolutionMasterSpecies, 0, 0);
    EXPECT_COUNTS(Cvx_KwSolutionSpecies, 22, 15);
    EXPECT_COUNTS(Cvx_KwSolution, 14, 8);
    EXPECT_COUNTS(Cvx_KwPhases, 12, 12);
    EXPECT_COUNTS(Cvx_KwSolutionSpread, 14, 9);
    EXPECT_COUNTS(Cvx_KwEquilibriumPhases, 5, 2);
    EXPECT_COUNTS(Cvx_KwExchange, 9, 3);
    EXPECT_COUNTS(Cvx_KwGasPhase, 10, 7);
    EXPECT_COUNTS(Cvx_KwKinetics, 17, 13);
    EXPECT_COUNTS(Cvx_KwSolidSolutions, 22, 16);
    EXPECT_COUNTS(Cvx_KwSurface, 20, 10);
    EXPECT_COUNTS(Cvx_KwPrint, 40, 26);
    EXPECT_COUNTS(Cvx_KwSelectedOutput, 49, 30);
    EXPECT_COUNTS(Cvx_KwUserPrint, 2, 2);
    EXPECT_COUNTS(Cvx_KwUserPunch, 4, 3);
    EXPECT_COUNTS(Cvx_KwExchangeSpecies, 19, 11);
    EXPECT_COUNTS(Cvx_KwPitzer, 18, 14);
    EXPECT_COUNTS(Cvx_KwRates, 2, 2);
    EXPECT_COUNTS(Cvx_KwSurfaceSpecies, 18, 9);
    EXPECT_COUNTS(Cvx_KwCalculateValues, 3, 3);
    EXPECT_COUNTS(Cvx_KwIsotopes, 2, 1);
    EXPECT_COUNTS(Cvx_KwKnobs, 16, 15);
    EXPECT_COUNTS(Cvx_KwLlnlAqueousModelParameters, 13, 5);
    EXPECT_COUNTS(Cvx_KwDatablock, 6, 5);
    EXPECT_COUNTS(Cvx_KwReactiveTransport, 5, 2);
    EXPECT_COUNTS(Cvx_KwExchangeMasterSpecies, 0, 0);
    EXPECT_COUNTS(Cvx_KwSurfaceMasterSpecies, 0, 0);
#undef EXPECT_COUNTS
}

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
    EXPECT_EQ(copy.GetAllIdentifiers().size(), 32U);
    EXPECT_EQ(knobs.GetAllIdentifiers().size(), 16U);
}

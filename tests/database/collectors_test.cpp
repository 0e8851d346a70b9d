// The end-of-read steps: the composition and master species lists, minerals and gases.
#include <vxcheck/identifiers.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

TEST(Collectors, ElementsGiveWayToTheirValenceStates) {
    Cvx_WordList masters;
    masters.AddWords({"H", "H(0)", "H(1)", "E", "O", "O(0)", "O(-2)", "Ca", "C", "C(+4)", "C(-4)",
                      "Alkalinity", "Fe", "Fe(+2)", "Fe(+3)"});
    Cvx_WordList lowerCase;
    lowerCase.AddWords({"e", "Mn", "mn(2)", "o(0)", "alkalinity"});
    Cvx_KwSolutionMasterSpecies definition;
    Names composition;
    Names masterList;
    definition.CollectMasterSpecies(masters, composition, masterList);
    // Nothing is emptied first. The fixed names ("E", "O(0)", ...) compare with regard to case,
    // the search for valence states without.
    definition.CollectMasterSpecies(lowerCase, composition, masterList);
    EXPECT_EQ(Join(composition), "Total_H|Total_O|Charge|C(+4)|C(-4)|Ca|Fe(+2)|Fe(+3)|"
                                 "Total_H|Total_O|Charge|alkalinity|e|mn(2)|o(0)");
    EXPECT_EQ(Join(masterList), "Alkalinity|C|C(+4)|C(-4)|Ca|Fe|Fe(+2)|Fe(+3)|H|H(0)|H(1)|O|"
                                "O(-2)|O(0)|alkalinity|e|Mn|mn(2)|o(0)");
}

TEST(Collectors, GasMarkMustFollowTheFirstCharacterWithItsCase) {
    const Names phases{"(g)x", "Calcite", "CO2(g)", "N2(G)", "x(g)(g)"};
    EXPECT_EQ(Join(Cvx_KwIdentifiers::SelectMinerals(phases)), "(g)x|Calcite|N2(G)");
    EXPECT_EQ(Join(Cvx_KwIdentifiers::SelectGases(phases)), "CO2(g)|x(g)(g)");
}

// Formula tokens: the element-like pieces that the species searches look up.
#include "species/formula_tokens.h"

#include "support/database_file.h"

#include <gtest/gtest.h>

TEST(FormulaTokens, UpperCaseLettersStartTokensOtherBytesExtendThem) {
    const auto tokens = [](const char* formula) { return Join(vxcheck::FormulaTokens(formula)); };
    EXPECT_EQ(tokens("CaCO3"), "Ca|C|O");
    EXPECT_EQ(tokens("Fe(OH)2+"), "Fe|O|H");
    EXPECT_EQ(tokens("Hfo_wOH"), "Hfo_w|O|H");
    EXPECT_EQ(tokens("Fe(+3)"), "Fe");
    // Skipped bytes neither end nor extend a token; the first token may begin with any other.
    EXPECT_EQ(tokens("e-"), "e");
    EXPECT_EQ(tokens("Ca0.5(CO3)0.5"), "Ca|C|O");
    EXPECT_EQ(tokens("Na2SO4:10H2O"), "Na|S|O:|H|O");
    EXPECT_EQ(tokens("\xc4"
                     "Ca[x]"),
              "\xc4|Ca[x]");
    EXPECT_EQ(tokens("(+2)-.9"), "");
}

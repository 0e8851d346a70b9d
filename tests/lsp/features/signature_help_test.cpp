// Signature help inside the arguments of BASIC functions: which function, which parameter.
#include "fixture.h"

namespace vxcheck::lsp::testing {
namespace {

struct Shown {
    std::string label;
    std::string parameter; // the active parameter's piece of the label, or "(none)"
};

// The signature shown at "|", or a label "(none)".
Shown SignatureAt(const char* text) {
    Marked marked(text);
    std::optional<SignatureHelp> help = SignatureHelpAt(marked.context, marked.point);
    if (!help) {
        return Shown{"(none)", "(none)"};
    }
    EXPECT_EQ(help->signatures.size(), 1U);
    const SignatureInformation& signature = help->signatures.at(0);
    EXPECT_FALSE(signature.documentation.empty());
    const auto active = static_cast<std::size_t>(help->activeParameter);
    if (active >= signature.parameters.size()) {
        return Shown{signature.label, "(none)"};
    }
    const auto [begin, end] = signature.parameters[active];
    return Shown{signature.label, signature.label.substr(begin, end - begin)};
}

TEST(SignatureHelp, TellsTheFunctionAndTheArgumentBeingWritten) {
    const Shown si = SignatureAt("USER_PUNCH\n  10 PUNCH SI(\"Cal|cite\")");
    EXPECT_EQ(si.label, "SI(\"phase\")");
    EXPECT_EQ(si.parameter, "\"phase\"");
    EXPECT_EQ(SignatureAt("USER_PRINT\n10 PRINT MID$(name$, 2|, 3)").parameter, "start");
    // After an inner call is closed, the outer call's argument is the one being written.
    EXPECT_EQ(SignatureAt("USER_PRINT\n10 x = SQRT(SI(\"Calcite\") + |)").label, "SQRT(x)");
    // "..." takes every further argument; a function of fewer arguments marks none.
    EXPECT_EQ(SignatureAt("USER_PRINT\n10 x = GET(1, 2, 3, 4|)").parameter, "...");
    EXPECT_EQ(SignatureAt("USER_PRINT\n10 x = SI(\"Calcite\", |)").parameter, "(none)");
    // Statements that take their arguments in parentheses.
    const Shown put = SignatureAt("USER_PUNCH\n  10 PUT(TOT(\"Ca\"), 1, |)");
    EXPECT_EQ(put.label, "PUT(value, i1, i2, ...)");
    EXPECT_EQ(put.parameter, "i2");
    EXPECT_EQ(SignatureAt("USER_PUNCH\n  10 PUT$(\"x|\", 1)").parameter, "text$");
    // A rate's program from -start on.
    EXPECT_EQ(SignatureAt("RATES\nCalcite\n-start\n10 r = KIN(|)\n-end").label,
              "KIN(\"reactant\")");
}

TEST(SignatureHelp, NothingOutsideACallOrOutsideBasic) {
    for (const char* text : {"USER_PUNCH\n  10 PUNCH TOT|", "USER_PUNCH\n  10 PUNCH TOT(\"Ca\") |",
                             "USER_PUNCH\n  10 DIM a(|3)", // an array, no function
                             "SOLUTION 1\n  pH 7 SI(|", "RATES\nSI(|"}) {
        EXPECT_EQ(SignatureAt(text).label, "(none)") << text;
    }
}

} // namespace
} // namespace vxcheck::lsp::testing

// Formulas, equations and their balance, read as PHREEQC reads them.
#include <vxcheck/input/chemistry.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

// "Ca1 C1 O3 | 0" style summary of a formula, or "-" when it does not read.
std::string Content(std::string_view formula) {
    const std::optional<vxcheck::FormulaContent> content = vxcheck::ParseFormula(formula);
    if (!content) {
        return "-";
    }
    std::ostringstream text;
    for (const vxcheck::ElementCount& element : content->elements) {
        text << element.element << element.count << ' ';
    }
    text << "| " << content->charge;
    return text.str();
}

// The terms of one side as "coefficient species" joined by " + ".
std::string Side(const std::vector<vxcheck::ReactionTerm>& side) {
    std::string text;
    for (const vxcheck::ReactionTerm& term : side) {
        std::ostringstream one;
        one << term.coefficient << ' ' << term.species;
        text += (text.empty() ? "" : " + ") + one.str();
    }
    return text;
}

std::string Read(std::string_view equation) {
    const std::optional<vxcheck::Reaction> reaction = vxcheck::ParseReaction(equation);
    return reaction ? Side(reaction->left) + " = " + Side(reaction->right) : "-";
}

std::string Imbalance(std::string_view equation) {
    const std::optional<vxcheck::Reaction> reaction = vxcheck::ParseReaction(equation);
    return reaction ? vxcheck::ReactionImbalance(*reaction) : "unreadable";
}

} // namespace

TEST(ParseFormula, ElementsCountsAndCharge) {
    EXPECT_EQ(Content("Ca+2"), "Ca1 | 2");
    EXPECT_EQ(Content("CO3-2"), "C1 O3 | -2");
    EXPECT_EQ(Content("e-"), "e1 | -1");
    EXPECT_EQ(Content("Fe(OH)3"), "Fe1 O3 H3 | 0");
    EXPECT_EQ(Content("Fe(OH)2+"), "Fe1 O2 H2 | 1");
    EXPECT_EQ(Content("CaSO4:2H2O"), "Ca1 S1 O6 H4 | 0");
    EXPECT_EQ(Content("CH3COOH"), "C2 H4 O2 | 0");
    EXPECT_EQ(Content("Hfo_wOH2+"), "Hfo_w1 O1 H2 | 1");
    EXPECT_EQ(Content("X-"), "X1 | -1");
    EXPECT_EQ(Content("NaX"), "Na1 X1 | 0");
    EXPECT_EQ(Content("(CH2O)"), "C1 H2 O1 | 0");
    EXPECT_EQ(Content("Ca0.5(CO3)0.5"), "Ca0.5 C0.5 O1.5 | 0");
    EXPECT_EQ(Content("[13C]O2"), "[13C]1 O2 | 0");
    EXPECT_EQ(Content("Alkalinity"), "Alkalinity1 | 0");
}

TEST(ParseFormula, ChargeSpellings) {
    EXPECT_EQ(Content("Ca++"), "Ca1 | 2");
    EXPECT_EQ(Content("SO4--"), "S1 O4 | -2");
    EXPECT_EQ(Content("Fe+3"), "Fe1 | 3");
    EXPECT_EQ(Content("Fe+3.0"), "Fe1 | 3");
    EXPECT_EQ(Content("Hfo_wOH+0.5"), "Hfo_w1 O1 H1 | 0.5");
    EXPECT_EQ(Content("Na+1"), "Na1 | 1");
    EXPECT_EQ(Content("Na+0"), "Na1 | 0");
}

TEST(ParseFormula, RejectsWhatPhreeqcCannotRead) {
    EXPECT_EQ(Content(""), "-");
    EXPECT_EQ(Content("CaCO3x"), "-");   // lower case after a count
    EXPECT_EQ(Content("calcite"), "-");  // no upper-case start
    EXPECT_EQ(Content("Fe(OH"), "-");    // unbalanced parentheses
    EXPECT_EQ(Content("FeOH)2"), "-");   // ")" closes nothing
    EXPECT_EQ(Content("[13C"), "-");     // bracket never closed
    EXPECT_EQ(Content("(Ca:2C)3"), "-"); // ":" group closed by ")" leaves the count
    EXPECT_EQ(Content("Ca+2a"), "-");    // charge not a number
    EXPECT_EQ(Content("CO2(g)"), "-");   // marks belong to reaction terms, not formulas
}

TEST(ParseReaction, TermsCoefficientsAndCharges) {
    EXPECT_EQ(Read("Ca+2 + CO3-2 = CaCO3"), "1 Ca+2 + 1 CO3-2 = 1 CaCO3");
    EXPECT_EQ(Read("Fe+3 + 2H2O = Fe(OH)2+ + 2H+"), "1 Fe+3 + 2 H2O = 1 Fe(OH)2+ + 2 H+");
    EXPECT_EQ(Read("Fe+3+2H2O=Fe(OH)2++2H+"), "1 Fe+3 + 2 H2O = 1 Fe(OH)2+ + 2 H+");
    EXPECT_EQ(Read("Ca++ + SO4-- = CaSO4"), "1 Ca+2 + 1 SO4-2 = 1 CaSO4");
    EXPECT_EQ(Read("H2O + 0.5 O2 = H2O2"), "1 H2O + 0.5 O2 = 1 H2O2");
    EXPECT_EQ(Read("H+ + e- = 0.5H2"), "1 H+ + 1 e- = 0.5 H2");
    EXPECT_EQ(Read("NH4+ = NH3 - 1H+ + H+ + H+"), "1 NH4+ = 1 NH3 + -1 H+ + 1 H+ + 1 H+");
    EXPECT_EQ(Read("CO2(g) = CO2"), "1 CO2(g) = 1 CO2");
    EXPECT_EQ(Read("Hfo_wOH + H+ = Hfo_wOH2+"), "1 Hfo_wOH + 1 H+ = 1 Hfo_wOH2+");
    EXPECT_EQ(Read("Na+ + X- = NaX"), "1 Na+ + 1 X- = 1 NaX");
}

TEST(ParseReaction, TermRangesPointAtTheEquation) {
    const std::string equation = "Ca+2  +  2 CO3-2 = CaCO3";
    const std::optional<vxcheck::Reaction> reaction = vxcheck::ParseReaction(equation);
    ASSERT_TRUE(reaction);
    ASSERT_EQ(reaction->left.size(), 2U);
    const auto text = [&](const vxcheck::ReactionTerm& term) {
        return equation.substr(term.begin, term.end - term.begin);
    };
    EXPECT_EQ(text(reaction->left[0]), "Ca+2");
    EXPECT_EQ(text(reaction->left[1]), "2 CO3-2");
    EXPECT_EQ(text(reaction->right[0]), "CaCO3");
}

TEST(ParseReaction, ErrorsSayWhatAndWhere) {
    const auto error = [](std::string_view equation) {
        vxcheck::ReactionError why;
        EXPECT_FALSE(vxcheck::ParseReaction(equation, &why)) << equation;
        return why.message + " @" + std::string(equation.substr(why.begin, why.end - why.begin));
    };
    EXPECT_EQ(error("Ca+2 + CO3-2"), "the equation has no = @Ca+2 + CO3-2");
    EXPECT_EQ(error("Ca+2 + CO3-2 = CaCO3 = X"), "a second = in the equation @=");
    EXPECT_EQ(error("Ca+2 + CO3-2 = CaCO3x"),
              "cannot read the formula CaCO3x: unexpected character x @CaCO3x");
    EXPECT_EQ(error("Ca+2 + CO3-2 = Ca;CO3"), "character \";\" is not allowed in an equation @;");
    EXPECT_EQ(error("Ca+2 + 2.3.4CO3-2 = CaCO3"), "the coefficient 2.3.4 is not a number @2.3.4");
    EXPECT_EQ(error("= CaCO3"), "nothing stands left of = @=");
    EXPECT_EQ(error("CaCO3 ="), "nothing stands right of = @=");
    // A sign and digits before a letter start the next term: "Ca+2a" is Ca and 2 a.
    EXPECT_EQ(error("Ca+2a = Ca"), "cannot read the formula a: unexpected character a @a");
    EXPECT_EQ(error("Ca+- = Ca"), "the charge +- of Ca is not a number @+-");
    EXPECT_EQ(error("[13C = C"), "no closing ] for the element name @[13C = C");
}

TEST(ReactionImbalance, ElementsAndChargeRightMinusLeft) {
    EXPECT_EQ(Imbalance("Ca+2 + CO3-2 = CaCO3"), "");
    EXPECT_EQ(Imbalance("CaSO4:2H2O = Ca+2 + SO4-2 + H2O"), "H -2, O -1");
    EXPECT_EQ(Imbalance("CaCO3 = Ca+2 + CO3-2 + H+"), "H 1, charge 1");
    EXPECT_EQ(Imbalance("Na+ + 2Cl- = NaCl2"), "charge 1");
    EXPECT_EQ(Imbalance("Na+ + X- = NaX2"), "X 1");
    EXPECT_EQ(Imbalance("Fe+2 = Fe+3 + e-"), ""); // the electron balances charge only
    EXPECT_EQ(Imbalance("CO2(g) = CO2"), "");
    EXPECT_EQ(Imbalance("H4SiO4(aq) = SiO2 + 2H2O(l)"), "");
    // A phase named in a reaction counts with its formula; without it nothing is judged.
    const std::optional<vxcheck::Reaction> vapour =
        vxcheck::ParseReaction("HDO(g) + H2O(l) = H2O(g) + HDO(aq)");
    ASSERT_TRUE(vapour);
    EXPECT_EQ(vxcheck::ReactionImbalance(*vapour), "");
    const auto water = [](std::string_view phase) {
        return phase == "H2O" ? std::string("H2O") : std::string();
    };
    EXPECT_EQ(vxcheck::ReactionImbalance(*vapour, water), "");
    const auto wrong = [](std::string_view phase) {
        return phase == "H2O(g)" ? std::string("H2O2") : std::string();
    };
    EXPECT_EQ(vxcheck::ReactionImbalance(*vapour, wrong), "O 1");
    // PHREEQC's tolerance: 1e-9 mol of an element or of charge.
    EXPECT_EQ(Imbalance("Na+ + 1.0000000005Cl- = NaCl"), "");
    EXPECT_EQ(Imbalance("Na+ + 1.000000002Cl- = NaCl"), "Cl -2e-09, charge 2e-09");
}

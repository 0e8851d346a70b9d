// What may stand at a point of an input: statements, words and the kinds PHREEQC takes there,
// on PHREEQC's examples and small inputs, also where nothing is written yet.
#include <vxcheck/input/position.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vxcheck {
namespace {

using E = Expected;

std::string ReadExample(const std::string& name) {
    std::ifstream in(std::string(VXCHECK_DATA_DIR) + "/examples/" + name, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The position at the "|" of text, the "|" taken out.
struct Marked {
    explicit Marked(std::string marked) : text(std::move(marked)) {
        offset = text.find('|');
        text.erase(offset, 1);
        model = ReadInput(text);
        position = PositionAt(model, text, offset);
    }
    std::string text;
    std::size_t offset = 0;
    InputModel model;
    InputPosition position;
};

std::vector<E> ExpectedAt(const std::string& marked) {
    return Marked(marked).position.expected;
}

TEST(InputPosition, ExampleLinesNameTheirFields) {
    const std::string text = ReadExample("ex6.pqi");
    ASSERT_FALSE(text.empty());
    const InputModel model = ReadInput(text);
    auto at = [&](const std::string& before, std::size_t into) {
        return PositionAt(model, text, text.find(before) + into);
    };
    InputPosition ph = at("pH    7.0 charge", 1);
    EXPECT_EQ(ph.blockName, "solution");
    EXPECT_EQ(ph.word, 0u);
    EXPECT_EQ(ph.option, "ph");
    EXPECT_EQ(ph.expected, (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Element}));
    EXPECT_EQ(at("pH    7.0 charge", 13).expected, (std::vector<E>{E::Charge, E::Phase}));
    EXPECT_EQ(at("-si             Gibbsite", 18).expected, std::vector<E>{E::Phase});
    EXPECT_EQ(at("-equilibrium    Gibbsite", 18).expected, std::vector<E>{E::Phase});
    EXPECT_EQ(at("-activities     K+", 17).expected,
              (std::vector<E>{E::Species, E::SorbedSpecies}));
    InputPosition file = at("-file           ex6A-B.sel", 20);
    EXPECT_EQ(file.expected, std::vector<E>{E::FileName});
    EXPECT_EQ(text.substr(file.begin, file.end - file.begin), "ex6A-B.sel");

    InputPosition use = at("USE solution 1", 6);
    EXPECT_EQ(use.word, 1u);
    EXPECT_EQ(use.expected, std::vector<E>{E::EntityKind});
    InputPosition number = at("USE solution 1", 13);
    EXPECT_EQ(number.expected, std::vector<E>{E::EntityNumber});
    EXPECT_EQ(number.entity, "solution");

    InputPosition phase = at("Kaolinite       0.0     0.0", 3);
    EXPECT_EQ(phase.blockName, "equilibrium_phases");
    EXPECT_EQ(phase.expected, (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Phase}));
}

TEST(InputPosition, NewWordsAndNewLines) {
    Marked blank("SOLUTION 1\n  Ca 1\n|\n");
    EXPECT_EQ(blank.position.statement, InputPosition::kNone);
    EXPECT_EQ(blank.position.blockName, "solution");
    EXPECT_EQ(blank.position.expected,
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Element}));
    EXPECT_EQ(ExpectedAt("SOLUTION 1; |"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Element}));
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  -|"), std::vector<E>{E::Option});
    EXPECT_EQ(ExpectedAt("USE solution 1\n|"), std::vector<E>{E::Keyword});
    EXPECT_EQ(ExpectedAt("|"), std::vector<E>{E::Keyword});
    // Words outside any block: before the first keyword and after END.
    EXPECT_EQ(Marked("Ca 1 |").position.block, -1);
    EXPECT_EQ(Marked("SOLUTION 1\nEND\nCa 1 |").position.block, -1);
    EXPECT_TRUE(Marked("SOLUTION 1 # pH |").position.comment);
    EXPECT_TRUE(ExpectedAt("SOLUTION 1 # pH |").empty());

    Marked after("SOLUTION 1\n  Ca 1 |");
    EXPECT_EQ(after.position.word, 2u);
    EXPECT_EQ(after.position.begin, after.offset);
    EXPECT_EQ(after.position.end, after.offset);
    EXPECT_EQ(after.position.expected,
              (std::vector<E>{E::Units, E::ConcentrationTail, E::Phase, E::RedoxCouple}));
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  Ca 1 mg/l |"),
              (std::vector<E>{E::ConcentrationTail, E::Phase, E::RedoxCouple}));
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  Alkalinity 1 mg/l as |"),
              (std::vector<E>{E::Species, E::Formula}));
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  Na 1 gfw |"), std::vector<E>{E::Number});
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  C(4) 1 CO2(g) |"), std::vector<E>{E::Number});
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  C(4) 1 CO2(g) -3.5 |"), std::vector<E>{E::Text});
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  -units |"), std::vector<E>{E::Units});
}

TEST(InputPosition, ListsRatesEntitiesAndBasic) {
    Marked joined("SELECTED_OUTPUT\n  -totals Ca \\\n   Mg|");
    EXPECT_EQ(joined.position.word, 2u);
    EXPECT_EQ(joined.position.option, "totals");
    EXPECT_EQ(joined.position.expected, std::vector<E>{E::Element});
    EXPECT_EQ(ExpectedAt("SELECTED_OUTPUT\n  -kinetic_reactants Calcite\n  |"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::RateName}));
    EXPECT_EQ(ExpectedAt("SELECTED_OUTPUT\n  -calculate_values |"),
              std::vector<E>{E::CalculatedValue});
    EXPECT_EQ(ExpectedAt("SELECTED_OUTPUT\n  -gases |"), std::vector<E>{E::Gas});
    EXPECT_EQ(ExpectedAt("KINETICS 1\nCalcite\n  -m0 1\n|"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::RateName}));
    Marked mix("MIX 1\n  |");
    EXPECT_EQ(mix.position.expected, (std::vector<E>{E::Keyword, E::EntityNumber}));
    EXPECT_EQ(mix.position.entity, "solution");
    Marked exchangers("MIX_EXCHANGE 1\n  |");
    EXPECT_EQ(exchangers.position.expected, (std::vector<E>{E::Keyword, E::EntityNumber}));
    EXPECT_EQ(exchangers.position.entity, "exchange");
    EXPECT_EQ(ExpectedAt("GAS_PHASE 1\n  -fixed_volume\n  |"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Gas}));
    EXPECT_EQ(ExpectedAt("REACTION 1\n  |"),
              (std::vector<E>{E::Keyword, E::Phase, E::Species, E::Formula, E::Number}));
    EXPECT_EQ(ExpectedAt("INCLUDE$ |"), std::vector<E>{E::FileName});
    EXPECT_EQ(ExpectedAt("DATABASE |"), std::vector<E>{E::FileName});

    Marked rate("RATES\nCalcite\n-start\n10 rate = SI(|\n-end\n");
    EXPECT_EQ(rate.position.option, "start");
    EXPECT_EQ(rate.position.expected, std::vector<E>{E::Basic});
    EXPECT_EQ(rate.position.column, 13u);
    EXPECT_EQ(ExpectedAt("RATES\nCalcite\n-start\n10 rate = 1\n-end\n|"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::RateName}));
    EXPECT_EQ(ExpectedAt("USER_PUNCH\n  10 PUNCH |"), std::vector<E>{E::Basic});
    EXPECT_EQ(ExpectedAt("CALCULATE_VALUES\nR(13C)\n-start\n10 SAVE 1\n-end\n|"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Text}));
    EXPECT_EQ(ExpectedAt("CALCULATE_VALUES\nR(13C)\n-start\n10 SAVE |"), std::vector<E>{E::Basic});
}

// Fields whose kind the words before them decide, with the fixed words each offers.
TEST(InputPosition, FieldsThatDependOnTheWordsBefore) {
    auto literals = [](const std::string& marked) {
        const Marked at(marked);
        return std::vector<std::string_view>(at.position.literals.begin(),
                                             at.position.literals.end());
    };
    // An exchanger or surface tied to a phase or a kinetic reactant.
    EXPECT_EQ(ExpectedAt("EXCHANGE 1\n  CaX2 |"),
              (std::vector<E>{E::Number, E::Phase, E::RateName}));
    EXPECT_EQ(ExpectedAt("EXCHANGE 1\n  CaX2 Cal| equilibrium_phase 0.1"),
              std::vector<E>{E::Phase});
    EXPECT_EQ(ExpectedAt("SURFACE 1\n  Hfo_wOH Cal| kinetic_reactant 0.2"),
              std::vector<E>{E::RateName});
    EXPECT_EQ(ExpectedAt("EXCHANGE 1\n  CaX2 Calcite |"), (std::vector<E>{E::Literal, E::Number}));
    EXPECT_EQ(literals("SURFACE 1\n  Hfo_wOH Ferrihydrite |"),
              (std::vector<std::string_view>{"equilibrium_phase", "kinetic_reactant"}));
    EXPECT_EQ(ExpectedAt("SURFACE 1\n  Hfo_wOH Ferrihydrite equilibrium_phase 0.2 |"),
              std::vector<E>{E::Number});
    EXPECT_EQ(ExpectedAt("SURFACE 1\n  Hfo_wOH 0.001 |"), std::vector<E>{E::Number});
    EXPECT_EQ(ExpectedAt("EXCHANGE 1\n  X 0.1 |"), std::vector<E>{E::RateName});

    // An alternative phase or formula, then the amount, then dissolve_only or precipitate_only.
    EXPECT_EQ(ExpectedAt("EQUILIBRIUM_PHASES\n  Gibbsite 0 |"),
              (std::vector<E>{E::Literal, E::Number, E::Phase, E::Formula}));
    EXPECT_EQ(literals("EQUILIBRIUM_PHASES\n  Gibbsite 0 KAlSi3O8 10 |"),
              (std::vector<std::string_view>{"dissolve_only", "precipitate_only"}));
    EXPECT_EQ(ExpectedAt("EQUILIBRIUM_PHASES\n  Gibbsite |"), std::vector<E>{E::Number});

    // "in N steps" after the amounts of REACTION and REACTION_TEMPERATURE.
    EXPECT_EQ(ExpectedAt("REACTION 1\n  NaCl 1\n  2 |"), (std::vector<E>{E::Literal, E::Number}));
    EXPECT_EQ(literals("REACTION 1\n  NaCl 1\n  2 |")[1], "mol");
    EXPECT_EQ(ExpectedAt("REACTION 1\n  NaCl 1\n  2 mmol in |"), std::vector<E>{E::Number});
    EXPECT_EQ(literals("REACTION 1\n  NaCl 1\n  2 mmol in 3 |"),
              std::vector<std::string_view>{"steps"});
    EXPECT_EQ(literals("REACTION_TEMPERATURE\n  15 25 |"), std::vector<std::string_view>{"in"});
    EXPECT_EQ(ExpectedAt("REACTION_PRESSURE\n  1 2 in 3 steps |"), std::vector<E>{E::Text});

    // SOLUTION's redox couples; COPY's cells.
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  -redox |"), std::vector<E>{E::RedoxCouple});
    EXPECT_EQ(ExpectedAt("SOLUTION 1\n  U 3 ppb |"),
              (std::vector<E>{E::ConcentrationTail, E::Phase, E::RedoxCouple}));
    EXPECT_EQ(ExpectedAt("COPY |"), (std::vector<E>{E::EntityKind, E::Literal}));
    EXPECT_EQ(literals("COPY |"), std::vector<std::string_view>{"cell"});
    // INVERSE_MODELING's phases and balances, on the lines after their options.
    EXPECT_EQ(ExpectedAt("INVERSE_MODELING\n  -phases\n    Calcite\n    |"),
              (std::vector<E>{E::Keyword, E::Option, E::DashlessOption, E::Phase}));
    EXPECT_EQ(literals("INVERSE_MODELING\n  -phases\n    Calcite |"),
              (std::vector<std::string_view>{"precip", "dissolve", "force"}));
    EXPECT_EQ(ExpectedAt("INVERSE_MODELING\n  -balances\n    Ca 0.05 |"),
              std::vector<E>{E::Number});
    // Options that take true or false.
    EXPECT_EQ(literals("PRINT\n  -reset |"), (std::vector<std::string_view>{"true", "false"}));
    EXPECT_EQ(ExpectedAt("SELECTED_OUTPUT\n  -high_precision |"), std::vector<E>{E::Literal});
    EXPECT_EQ(ExpectedAt("SELECTED_OUTPUT\n  -high_precision true |"), std::vector<E>{E::Text});
    EXPECT_EQ(ExpectedAt("TRANSPORT\n  -cells |"), std::vector<E>{E::Number});
    // The solution an exchanger first meets; the formula of a kinetic reactant.
    const Marked equilibrate("EXCHANGE 1\n  -equilibrate |");
    EXPECT_EQ(equilibrate.position.expected, (std::vector<E>{E::EntityNumber, E::Text}));
    EXPECT_EQ(equilibrate.position.entity, "solution");
    EXPECT_EQ(ExpectedAt("KINETICS 1\nOrg\n  -formula |"), (std::vector<E>{E::Phase, E::Formula}));
    EXPECT_EQ(ExpectedAt("KINETICS 1\nOrg\n  -formula C 1 H |"), std::vector<E>{E::Number});
    // SAVE refuses the reactants that a calculation does not change.
    EXPECT_EQ(ExpectedAt("SAVE |"), std::vector<E>{E::Literal});
    const std::vector<std::string_view> saved = literals("SAVE |");
    EXPECT_EQ(saved.size(), 6u);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), "kinetics"), 0);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), "gas_phase"), 1);
}

// Every point of every example: the word holds the point, and something is expected outside
// comments.
TEST(InputPosition, EveryPointOfTheExamples) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(VXCHECK_DATA_DIR) + "/examples")) {
        if (entry.path().extension() != ".pqi") {
            continue;
        }
        const std::string text = ReadExample(entry.path().filename().string());
        const InputModel model = ReadInput(text);
        for (std::size_t offset = 0; offset <= text.size(); offset += 5) {
            const InputPosition position = PositionAt(model, text, offset);
            ASSERT_LE(position.begin, offset) << entry.path() << " " << offset;
            ASSERT_GE(position.end, offset) << entry.path() << " " << offset;
            ASSERT_NE(position.comment, !position.expected.empty()) << entry.path() << offset;
            if (position.statement != InputPosition::kNone) {
                ASSERT_LE(position.word, model.statements[position.statement].words.size());
            }
        }
    }
}

} // namespace
} // namespace vxcheck

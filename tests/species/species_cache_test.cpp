// The species cache: built once, by the first search that needs it, and never rebuilt.
#include <vxcheck/check.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

namespace {

const std::string kCalcium = "SOLUTION_MASTER_SPECIES\nCa Ca+2\nO H2O\nH H+\n"
                             "SOLUTION_SPECIES\nCa+2 = Ca+2\nCaOH+ = CaOH+\n";

} // namespace

// What a later read adds reaches only "con", which reads the names themselves.
TEST(SpeciesCache, BuiltByTheFirstSearchThatNeedsIt) {
    for (const char* mode : {"single word", "or", "xor", "con"}) {
        Cvx_Check checker;
        if (std::string(mode) == "single word") {
            checker.FindAqueousSpecies("Ca");
        } else {
            checker.FindAqueousSpecies({"Ca"}, mode);
        }
        ReadText(checker, kCalcium);
        const bool built = std::string(mode) != "con";
        EXPECT_EQ(Join(checker.FindAqueousSpecies("Ca")), built ? "" : "Ca+2|CaOH+") << mode;
        EXPECT_EQ(Join(checker.FindAqueousSpecies({"OH"}, "con")), "CaOH+");
    }
}

// Master species read after the cache was built lie beyond its masks: no cached species holds
// them.
TEST(SpeciesCache, MasterSpeciesAddedLaterAreHeldByNoCachedSpecies) {
    Cvx_Check checker;
    ReadText(checker, kCalcium);
    EXPECT_EQ(Join(checker.FindAqueousSpecies("Ca")), "Ca+2|CaOH+");
    ReadText(checker, "SOLUTION_MASTER_SPECIES\nNa Na+\nSOLUTION_SPECIES\nNaCaOH = NaCaOH\n");
    const auto find = [&checker](Names words, const char* mode) {
        return Join(checker.FindAqueousSpecies(words, mode));
    };
    EXPECT_EQ(Join(checker.FindAqueousSpecies("Na")) + find({"Ca", "Na"}, "and"), "");
    EXPECT_EQ(find({"Na"}, "inc"), "");
    EXPECT_EQ(find({"Na", "Ca"}, "or"), "Ca+2|CaOH+");
    EXPECT_EQ(find({"Ca", "Na"}, "inc"), "Ca+2|CaOH+");
    EXPECT_EQ(find({"Na"}, "con"), "NaCaOH");
}

// ReadDatabase: where the reading starts and stops, and what stays open.
#include <vxcheck/check.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

TEST(ReadDatabase, StartsOnlyWithOneOfTheSevenAndStopsAtAnyOtherKeyword) {
    for (const char* first : {"Ca Ca+2\n", "LLNL_AQUEOUS_MODEL_PARAMETERS\n", "PHASESx\n"}) {
        Cvx_Check checker;
        ReadText(checker, std::string(first) + "SOLUTION_MASTER_SPECIES\nNa Na+\n");
        checker.ReadDatabase("/nonexistent-folder/none.dat");
        EXPECT_EQ(Join(checker.GetMasterSpeciesComp()),
                  "Total_H|Total_O|Charge|Total_H|Total_O|Charge");
    }
    for (const char* keyword : {"PITZER", "sit", "RATES", "END", "Named_Expressions"}) {
        Cvx_Check checker;
        ReadText(checker, std::string("solution_MASTER_species Ca\nNa\nMg Mg+2\n") + keyword +
                              "\nSOLUTION_MASTER_SPECIES\nK K+\nPHASES\nHalite\nNaCl = NaCl\n");
        // Words after the keyword are the block's first statement.
        EXPECT_EQ(Join(checker.GetMasterSpecies()) + Join(checker.GetPhases()), "Ca|Mg") << keyword;
    }
}

TEST(ReadDatabase, LeavesNoFileOpen) {
    const auto openFiles = [] {
        const std::filesystem::directory_iterator fds("/proc/self/fd");
        return std::distance(begin(fds), end(fds));
    };
    Cvx_Check checker;
    const auto before = openFiles();
    ReadText(checker, "SOLUTION_MASTER_SPECIES\nCa Ca+2\nEND\nmore text\n");
    ReadText(checker, "SOLUTION_MASTER_SPECIES\nCa Ca+2\n");
    EXPECT_EQ(openFiles(), before);
}

// The PHREEQC 3 view of small database texts: which statements stay, and how they change.
#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <string>

using vxcheck::Phreeqc3View;

TEST(Phreeqc3View, KeepsTheSevenBlocksOneStatementPerLine) {
    const std::string file = "# header\r\n"
                             "TITLE a title; SOLUTION_MASTER_SPECIES\n"
                             "H  H+  -1.  H  1.008 # hydrogen; no statement here\n"
                             "Ca Ca+2 0 Ca 40.08;Na Na+ 0 Na\r22.99\r\n"
                             ";;\n"
                             "MEAN_GAMMAS\n"
                             "CaCl2 Ca+2 1 Cl- 2\n"
                             "solution_species\n"
                             "H+ = H+\n"
                             "RATES\n"
                             "Calcite\n"
                             "DATABLOCK\n"
                             "x\n"
                             "Phases\n"
                             "Calcite\t\n"
                             "   \n"
                             "CaCO3 = CO3-2 + Ca+2\x1a"
                             "Gypsum\n";
    EXPECT_EQ(Phreeqc3View(file), " SOLUTION_MASTER_SPECIES\n"
                                  "H  H+  -1.  H  1.008 \n"
                                  "Ca Ca+2 0 Ca 40.08\n"
                                  "Na Na+ 0 Na\r22.99\n"
                                  "solution_species\n"
                                  "H+ = H+\n"
                                  "Phases\n"
                                  "Calcite\t\n"
                                  "   \n"
                                  "CaCO3 = CO3-2 + Ca+2\n");
    EXPECT_EQ(Phreeqc3View(""), "");
    EXPECT_EQ(Phreeqc3View("Calcite\nCaCO3 = CO3-2 + Ca+2\n"), "");
}

TEST(Phreeqc3View, OptionsWrittenWithoutDashGainOneInTheirOwnBlock) {
    const std::string file = "PHASES\n"
                             "Methane(g)\n"
                             "\tCH4 = CH4\n"
                             "\tVm 37.4\n"
                             "  T_c  190.6 ; P_C 45.4\n"
                             "log 1\n"
                             "-log_k -2.8\n"
                             "davies 1\n"
                             "SOLUTION_SPECIES\n"
                             "gamma 5.0 0.1\n"
                             "t_c 3\n"
                             "Vm = 1 x\n"
                             "EXCHANGE_MASTER_SPECIES\n"
                             "vm X-\n"
                             "EXCHANGE_SPECIES\n"
                             "davies\n"
                             "SURFACE_SPECIES\n"
                             "cd_music 1 2\n";
    EXPECT_EQ(Phreeqc3View(file), "PHASES\n"
                                  "Methane(g)\n"
                                  "\tCH4 = CH4\n"
                                  "\t-Vm 37.4\n"
                                  "  -T_c  190.6 \n"
                                  " -P_C 45.4\n"
                                  "log 1\n"
                                  "-log_k -2.8\n"
                                  "davies 1\n"
                                  "SOLUTION_SPECIES\n"
                                  "-gamma 5.0 0.1\n"
                                  "t_c 3\n"
                                  "-Vm = 1 x\n"
                                  "EXCHANGE_MASTER_SPECIES\n"
                                  "vm X-\n"
                                  "EXCHANGE_SPECIES\n"
                                  "-davies\n"
                                  "SURFACE_SPECIES\n"
                                  "-cd_music 1 2\n");
}

TEST(Phreeqc3View, DropsCoefficientsWhereNamesAreTaken) {
    const std::string file = "PHASES\n"
                             "1 UO2(H2PO4)2:3H2O = UO2+2 + 2 H2PO4- + 3 H2O\n"
                             "  +2.5\t CaO = Ca+2\n"
                             "2.Fe = Fe\n"
                             "3\n"
                             "4 \n"
                             "SOLUTION_SPECIES H+ = 1 H+\n"
                             "2 H+ = 1 H2 + 0.5 O2\n"
                             "H2O = \t1.5 OH- \n"
                             "X = 1.5H2\n"
                             "Y = Z = 2 W\n"
                             "EXCHANGE_SPECIES\n"
                             "X- = 12\tX-\n"
                             "SOLUTION_MASTER_SPECIES\n"
                             "1 H H+\n";
    EXPECT_EQ(Phreeqc3View(file), "PHASES\n"
                                  "UO2(H2PO4)2:3H2O = UO2+2 + 2 H2PO4- + 3 H2O\n"
                                  "  CaO = Ca+2\n"
                                  "2.Fe = Fe\n"
                                  "3\n"
                                  "SOLUTION_SPECIES H+ = 1 H+\n"
                                  "2 H+ = H2 + 0.5 O2\n"
                                  "H2O = \tOH- \n"
                                  "X = 1.5H2\n"
                                  "Y = Z = 2 W\n"
                                  "EXCHANGE_SPECIES\n"
                                  "X- = X-\n"
                                  "SOLUTION_MASTER_SPECIES\n"
                                  "1 H H+\n");
}

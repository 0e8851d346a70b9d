// vxcheck on data/sample.dat: every command and every name set in both forms, with answers worked
// out from the file by hand (the search modes themselves are species_test's); and every way a run
// can fail.
#include "cli_run.h"

#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using Words = std::vector<std::string>;
const std::string kSample = VXCHECK_SAMPLE_DATABASE;

// The JSON form of a list whose entries need no escape.
std::string Json(const Words& entries) {
    std::string json = "[";
    for (const std::string& entry : entries) {
        json += json.size() > 1 ? ",\"" : "\"";
        json += entry + "\"";
    }
    return json + "]\n";
}

struct Case {
    Words command;
    Words answer;
};

const Case kSampleCases[] = {
    {{"master-species-comp"},
     {"Total_H", "Total_O", "Charge", "C(+4)", "C(-4)", "Ca", "Cl", "Fe(+2)", "Fe(+3)", "K", "Mg",
      "N(+5)", "N(-3)", "Na", "S(-2)", "S(6)", "Si"}},
    {{"master-species"},
     {"Alkalinity", "C",     "C(+4)", "C(-4)", "Ca",    "Cl",   "Fe",    "Fe(+2)", "Fe(+3)",
      "H",          "H(0)",  "H(1)",  "K",     "Mg",    "N",    "N(+5)", "N(-3)",  "Na",
      "O",          "O(-2)", "O(0)",  "S",     "S(-2)", "S(6)", "Si"}},
    {{"aqueous-species"},
     {"Ca+2", "CaCO3", "CaOH+",  "CaSO4", "CH4",    "Cl-",  "CO2",    "CO3-2", "e-",  "Fe+2",
      "Fe+3", "FeCl+", "FeOH+2", "H+",    "H2",     "H2O",  "H4SiO4", "HCO3-", "HS-", "HSO4-",
      "K+",   "Mg+2",  "MgCO3",  "Na+",   "NaSO4-", "NH4+", "NO3-",   "O2",    "OH-", "SO4-2"}},
    {{"phases"},
     {"Anhydrite", "Aragonite", "Calcite", "CH4(g)", "CO2(g)", "Dolomite", "Fe(OH)3(a)", "Goethite",
      "Gypsum", "H2(g)", "H2O(g)", "Halite", "O2(g)", "Quartz", "Siderite", "Sylvite"}},
    {{"minerals"},
     {"Anhydrite", "Aragonite", "Calcite", "Dolomite", "Fe(OH)3(a)", "Goethite", "Gypsum", "Halite",
      "Quartz", "Siderite", "Sylvite"}},
    {{"gases"}, {"CH4(g)", "CO2(g)", "H2(g)", "H2O(g)", "O2(g)"}},
    {{"identifiers", "EQUILIBRIUM_PHASES"}, {"-force_equality", "-material"}},
    {{"identifiers", "title"}, {}},
    {{"identifiers", "pure_phase"}, {}},
    {{"find", "aqueous", "ca"}, {"Ca+2", "CaCO3", "CaOH+", "CaSO4"}},
    {{"find", "phases", "C"}, {"Aragonite", "Calcite", "CH4(g)", "CO2(g)", "Dolomite", "Siderite"}},
    {{"find", "minerals", "C"}, {"Aragonite", "Calcite", "Dolomite", "Siderite"}},
    {{"find", "gases", "C"}, {"CH4(g)", "CO2(g)"}},
    {{"find", "exchange", "Ca"}, {"CaX2"}},
    {{"find", "surface", "Ca"}, {"Hfo_wOCa+"}},
    {{"find", "aqueous", "--mode", "con", "CO3"}, {"CaCO3", "CO3-2", "HCO3-", "MgCO3"}},
    {{"find", "aqueous", "--mode", "con", "--", "-2"}, {"CO3-2", "SO4-2"}},
    {{"find", "aqueous", "--mode", "and", "Ca", "C"}, {"CaCO3"}},
    {{"find", "phases", "--mode", "inc", "Fe"},
     {"Fe(OH)3(a)", "Goethite", "H2(g)", "H2O(g)", "O2(g)"}},
    {{"find", "minerals", "--mode", "inc", "Ca", "C"}, {"Aragonite", "Calcite"}},
    {{"find", "gases", "--mode", "INC", "C"}, {"CH4(g)", "CO2(g)", "H2(g)", "H2O(g)", "O2(g)"}},
    {{"find", "exchange", "--mode", "con", ""}, {"CaX2", "HX", "KX", "MgX2", "NaX", "X-"}},
    {{"find", "surface", "--mode", "con", "wO"}, {"Hfo_wO-", "Hfo_wOCa+", "Hfo_wOH", "Hfo_wOH2+"}},
};

} // namespace

TEST(RunCli, SampleListsInTextAndJson) {
    for (const Case& sample : kSampleCases) {
        Words args = {"--db", kSample};
        args.insert(args.end(), sample.command.begin(), sample.command.end());
        const CliRun text = RunVxcheck(args);
        EXPECT_EQ(text.out, Lines(sample.answer)) << args.back();
        args.insert(args.begin(), "--json");
        const CliRun json = RunVxcheck(args);
        EXPECT_EQ(json.out, Json(sample.answer)) << args.back();
        EXPECT_EQ(text.status + json.status, 0);
        EXPECT_EQ(text.err + json.err, "");
    }
}

TEST(RunCli, PhreeqcThreeReadingOfTheSampleChangesNothing) {
    for (const Case& sample : kSampleCases) {
        Words args = {"--phreeqc3", "--db", kSample};
        args.insert(args.end(), sample.command.begin(), sample.command.end());
        EXPECT_EQ(RunVxcheck(args).out, Lines(sample.answer)) << args.back();
    }
}

TEST(RunCli, EveryReadAddsToTheLists) {
    const CliRun twice = RunVxcheck({"--db", kSample, "--db", kSample, "master-species-comp"});
    const std::string once =
        Lines({"Total_H", "Total_O", "Charge", "C(+4)", "C(-4)", "Ca", "Cl", "Fe(+2)", "Fe(+3)",
               "K", "Mg", "N(+5)", "N(-3)", "Na", "S(-2)", "S(6)", "Si"});
    EXPECT_EQ(twice.out, once + once);
    // Without --db nothing is read, so not even the three fixed names are there.
    EXPECT_EQ(RunVxcheck({"master-species-comp"}).out, "");
    EXPECT_EQ(RunVxcheck({"--json", "master-species-comp"}).out, "[]\n");
}

TEST(RunCli, CheckPrintsThePosition) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Equilibrium_Phases", "26\n"},
        {"EOF", "0\n"},
        {"hydraulic_properties", "64\n"},
        {"sol", "-1\n"},
        {"-temp", "-1\n"},
        {"", "-1\n"},
        {"solution 1", "-1\n"}};
    for (const auto& [word, answer] : cases) {
        EXPECT_EQ(RunVxcheck({"check", word}).out, answer) << word;
        EXPECT_EQ(RunVxcheck({"--json", "check", word}).out, answer) << word;
    }
}

TEST(RunCli, VocabularyListsAreTheCheckersOwn) {
    Cvx_Check checker;
    for (const auto& [command, list] : {std::pair{"keywords", checker.GetKeywords()},
                                        {"identifiers", checker.GetIdentifier()},
                                        {"basic", checker.GetBasic()}}) {
        Words words;
        for (const CString& word : list) {
            words.emplace_back(word.GetString());
        }
        EXPECT_EQ(RunVxcheck({command}).out, Lines(words));
        EXPECT_EQ(RunVxcheck({"--json", command}).out, Json(words));
    }
}

// The tree's groups and order are kwtree_test's, its two forms output_test's: here, that the
// command hands the checker's whole tree over.
TEST(RunCli, TreeShowsTheCheckersWholeTree) {
    const CliRun text = RunVxcheck({"tree"});
    ASSERT_EQ(text.status, 0);
    Words lines;
    std::istringstream in(text.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 271u); // the root, 7 groups, 40 keywords, 223 identifiers
    EXPECT_EQ(
        Words(lines.begin(), lines.begin() + 4),
        (Words{"List of Keywords", "  Solution Definition", "    Solution", "      -density"}));
    EXPECT_TRUE(RunVxcheck({"--json", "tree"}).out.starts_with(R"({"name":"List of Keywords")"));
}

TEST(RunCli, UsageErrorsExitWithTwo) {
    for (const Words& args : {Words{}, Words{"--db"}, Words{"--xml", "keywords"}, Words{"list"},
                              Words{"check"}, Words{"find", "rocks", "Ca"},
                              Words{"find", "phases", "--mode"}, Words{"keywords", "extra"}}) {
        const CliRun run = RunVxcheck(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("vxcheck: ")) << run.err;
        EXPECT_TRUE(run.err.ends_with(
            "usage: vxcheck [--db PATH]... [--phreeqc3] [--json] COMMAND [ARG...]\n"
            "       vxcheck lint [--db PATH] [--json] FILE...\n"
            "Try 'vxcheck --help' for more information.\n"))
            << run.err;
    }
    // The command line is judged whole before any database is looked at.
    EXPECT_EQ(RunVxcheck({"--db", "/no/such.dat", "nonsense"}).status, 2);
}

TEST(RunCli, WhatIsNoReadableDatabaseExitsWithOneAndSaysWhy) {
    const std::string folder = VXCHECK_DATA_DIR "/databases";
    const std::pair<std::string, std::string> cases[] = {
        {"/no/such/file.dat", "No such file or directory"},
        {"", "No such file or directory"},
        {folder, "Is a directory"},
        {"/dev/zero", "not a regular file"},
        {"/proc/self/mem", "Input/output error"},
    };
    for (const auto& [path, reason] : cases) {
        for (const char* reading : {"--db", "--phreeqc3"}) {
            Words args = {"--db", kSample, "--db", path, "phases"};
            if (std::string(reading) == "--phreeqc3") {
                args.insert(args.begin(), reading);
            }
            const CliRun run = RunVxcheck(args);
            EXPECT_EQ(run.status, 1) << path;
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "vxcheck: cannot read database '" + path + "': " + reason + "\n");
        }
    }
}

TEST(RunCli, UnknownModeIsAnsweredEmptyWithARemark) {
    const CliRun run =
        RunVxcheck({"--json", "--db", kSample, "find", "gases", "--mode", "xor", "C"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "[]\n");
    EXPECT_EQ(run.err, "vxcheck: unknown mode 'xor' gives no names (modes: con, or, and, inc)\n");
    EXPECT_EQ(RunVxcheck({"--db", kSample, "find", "gases", "--mode", "Or", "C"}).err, "");
}

TEST(RunCli, HelpNamesEveryCommandAndVersionItsNumber) {
    const CliRun help = RunVxcheck({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* command :
         {"keywords", "check WORD", "identifiers KEYWORD", "basic", "master-species-comp",
          "master-species ", "aqueous-species", "phases", "minerals", "gases", "find SET ELEMENT",
          "find SET --mode MODE", "tree", "--db PATH", "--phreeqc3", "--json", "--version"}) {
        EXPECT_NE(help.out.find(command), std::string::npos) << command;
    }
    const CliRun version = RunVxcheck({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "vxcheck " VXCHECK_VERSION "\n");
}

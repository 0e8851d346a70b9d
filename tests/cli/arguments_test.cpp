// The command line parser: options before the command, each command's arguments, and the two
// forms of find.
#include "arguments.h"

#include <gtest/gtest.h>

using vxcheck::cli::Command;
using vxcheck::cli::ParseArguments;
using vxcheck::cli::SpeciesSet;
using Words = std::vector<std::string>;

TEST(Arguments, OptionsComeBeforeTheCommandInAnyOrder) {
    const auto parsed = ParseArguments(
        {"--json", "--db", "a.dat", "--phreeqc3", "--db", "-b.dat", "identifiers", "solution"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.invocation.databases, (Words{"a.dat", "-b.dat"}));
    EXPECT_TRUE(parsed.invocation.json);
    EXPECT_TRUE(parsed.invocation.phreeqc3);
    EXPECT_EQ(parsed.invocation.command, Command::Identifiers);
    EXPECT_EQ(parsed.invocation.arguments, Words{"solution"});

    // After the command, a word beginning with "-" is an argument.
    const auto check = ParseArguments({"check", "-temp"});
    ASSERT_EQ(check.error, "");
    EXPECT_EQ(check.invocation.arguments, Words{"-temp"});
    EXPECT_FALSE(check.invocation.json);
    EXPECT_EQ(ParseArguments({"check", "--json"}).invocation.arguments, Words{"--json"});
}

TEST(Arguments, HelpAndVersionWinOverWhatFollows) {
    EXPECT_TRUE(ParseArguments({"--db", "x", "--help", "nonsense"}).invocation.help);
    EXPECT_TRUE(ParseArguments({"-h"}).invocation.help);
    const auto version = ParseArguments({"--version", "--bogus"});
    EXPECT_TRUE(version.invocation.version);
    EXPECT_EQ(version.error, "");
    // An error before them still counts.
    EXPECT_EQ(ParseArguments({"--bogus", "--help"}).error, "unknown option '--bogus'");
}

TEST(Arguments, UsageErrorsNameWhatIsWrong) {
    EXPECT_EQ(ParseArguments({}).error, "missing command");
    EXPECT_EQ(ParseArguments({"--json"}).error, "missing command");
    EXPECT_EQ(ParseArguments({"--db"}).error, "missing PATH after '--db'");
    EXPECT_EQ(ParseArguments({"-"}).error, "unknown option '-'");
    EXPECT_EQ(ParseArguments({"keyword"}).error, "unknown command 'keyword'");
    EXPECT_EQ(ParseArguments({"Keywords"}).error, "unknown command 'Keywords'");
    EXPECT_EQ(ParseArguments({"keywords", "x"}).error, "too many arguments for 'keywords'");
    EXPECT_EQ(ParseArguments({"check"}).error, "missing argument for 'check'");
    EXPECT_EQ(ParseArguments({"check", "a", "b"}).error, "too many arguments for 'check'");
    EXPECT_EQ(ParseArguments({"identifiers", "a", "b"}).error,
              "too many arguments for 'identifiers'");
    EXPECT_EQ(ParseArguments({"tree", "--json"}).error, "too many arguments for 'tree'");
}

TEST(Arguments, FindTakesOneElementOrAModeAndWords) {
    const auto single = ParseArguments({"find", "exchange", "Ca"});
    ASSERT_EQ(single.error, "");
    EXPECT_EQ(single.invocation.command, Command::Find);
    EXPECT_EQ(single.invocation.set, SpeciesSet::Exchange);
    EXPECT_FALSE(single.invocation.listForm);
    EXPECT_EQ(single.invocation.words, Words{"Ca"});

    const auto list = ParseArguments({"find", "minerals", "--mode", "inc", "Ca", "-C", "--"});
    ASSERT_EQ(list.error, "");
    EXPECT_EQ(list.invocation.set, SpeciesSet::Minerals);
    EXPECT_TRUE(list.invocation.listForm);
    EXPECT_EQ(list.invocation.mode, "inc");
    EXPECT_EQ(list.invocation.words, (Words{"Ca", "-C", "--"}));

    const auto dashed = ParseArguments({"find", "gases", "--mode", "x", "--", "--mode", ""});
    ASSERT_EQ(dashed.error, "");
    EXPECT_EQ(dashed.invocation.mode, "x");
    EXPECT_EQ(dashed.invocation.words, (Words{"--mode", ""}));

    const auto none = ParseArguments({"find", "surface", "--mode", "--"});
    ASSERT_EQ(none.error, "");
    EXPECT_EQ(none.invocation.mode, "--");
    EXPECT_TRUE(none.invocation.words.empty());

    const auto element = ParseArguments({"find", "aqueous", "--", "-x"});
    EXPECT_FALSE(element.invocation.listForm);
    EXPECT_EQ(element.invocation.words, Words{"-x"});
}

TEST(Arguments, FindUsageErrors) {
    EXPECT_EQ(ParseArguments({"find"}).error, "missing SET for 'find'");
    EXPECT_EQ(ParseArguments({"find", "species", "Ca"}).error,
              "unknown SET 'species' for 'find' (aqueous, phases, minerals, gases, exchange or "
              "surface)");
    EXPECT_EQ(ParseArguments({"find", "phases"}).error, "missing ELEMENT for 'find'");
    EXPECT_EQ(ParseArguments({"find", "phases", "--"}).error, "missing ELEMENT for 'find'");
    EXPECT_EQ(ParseArguments({"find", "phases", "Ca", "C"}).error,
              "too many arguments for 'find' (several words need --mode)");
    EXPECT_EQ(ParseArguments({"find", "phases", "--mode"}).error, "missing MODE after '--mode'");
    EXPECT_EQ(ParseArguments({"find", "phases", "-x"}).error, "unknown option '-x' for 'find'");
}

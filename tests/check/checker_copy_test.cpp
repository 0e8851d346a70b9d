// Copies and assignments of a checker around database reads and species searches: a copy starts
// where its source stands and goes its own way from there.
#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const CString kPhreeqcDat = VXCHECK_DATA_DIR "/databases/phreeqc.dat";
const CString kMinteqDat = VXCHECK_DATA_DIR "/databases/minteq.dat";

using Answers = std::vector<std::vector<CString>>;

// The database lists.
Answers Lists(Cvx_Check& checker) {
    return {checker.GetMasterSpeciesComp(), checker.GetMasterSpecies(),
            checker.GetAqueousSpecies(),    checker.GetPhases(),
            checker.GetMinerals(),          checker.GetGases()};
}

// Searches of every kind, both forms.
Answers Searches(Cvx_Check& checker) {
    const std::vector<CString> words{"Ca", "C"};
    return {checker.FindAqueousSpecies("Ca"),
            checker.FindAqueousSpecies(words, "and"),
            checker.FindPhases("C"),
            checker.FindPhases(words, "or"),
            checker.FindMinerals("Ca"),
            checker.FindMinerals(words, "inc"),
            checker.FindGases("C"),
            checker.FindGases(words, "con"),
            checker.FindExchangeSpecies("Ca"),
            checker.FindExchangeSpecies(words, "or"),
            checker.FindSurfaceSpecies("Ca"),
            checker.FindSurfaceSpecies(words, "or")};
}

TEST(CheckerCopy, CopyAfterAReadAnswersAsItsSourceAndOutlivesIt) {
    auto source = std::make_unique<Cvx_Check>();
    source->ReadDatabase(kPhreeqcDat);
    // Copied before any search: the copy builds species caches of its own.
    Cvx_Check unsearched(*source);
    const Answers lists = Lists(*source);
    const Answers searches = Searches(*source);
    ASSERT_FALSE(lists[2].empty());
    ASSERT_FALSE(searches[0].empty());
    // Copied after the searches: the built caches come along.
    Cvx_Check searched(*source);
    source.reset();

    EXPECT_EQ(Lists(unsearched), lists);
    EXPECT_EQ(Searches(unsearched), searches);
    EXPECT_EQ(Lists(searched), lists);
    EXPECT_EQ(Searches(searched), searches);
}

TEST(CheckerCopy, ReadOnACopyLeavesTheSourceAlone) {
    Cvx_Check source;
    Cvx_Check copy(source);
    copy.ReadDatabase(kPhreeqcDat);
    EXPECT_FALSE(copy.GetAqueousSpecies().empty());
    for (const std::vector<CString>& list : Lists(source)) {
        EXPECT_TRUE(list.empty());
    }
    EXPECT_TRUE(source.FindAqueousSpecies("Ca").empty());
}

TEST(CheckerCopy, AssignmentReplacesEverythingAndSelfAssignmentNothing) {
    Cvx_Check source;
    source.ReadDatabase(kPhreeqcDat);
    const Answers lists = Lists(source);
    const Answers searches = Searches(source);

    Cvx_Check target;
    target.ReadDatabase(kMinteqDat);
    Searches(target); // caches that the assignment must release
    ASSERT_NE(Lists(target), lists);
    target = source;
    EXPECT_EQ(Lists(target), lists);
    EXPECT_EQ(Searches(target), searches);
    EXPECT_EQ(target.GetIdentifier("phases"), source.GetIdentifier("phases"));

    Cvx_Check& same = source;
    source = same;
    EXPECT_EQ(Lists(source), lists);
    EXPECT_EQ(Searches(source), searches);
}

} // namespace

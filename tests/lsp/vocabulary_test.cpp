// The server's vocabulary: PHREEQC 3's keywords only, groups from the keyword tree, options in
// matching order and BASIC words.
#include "lsp/vocabulary.h"

#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <algorithm>

namespace vxcheck::lsp {
namespace {

const Vocabulary& Shared() {
    static Cvx_Check checker;
    static const Vocabulary vocabulary(checker);
    return vocabulary;
}

TEST(Vocabulary, OnlyPhreeqc3SpellingsOpenBlocks) {
    const Vocabulary& vocabulary = Shared();
    const BlockInfo* block = vocabulary.FindBlock("Pure_Phases");
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block->name, "equilibrium_phases");
    EXPECT_EQ(block->group, "Geochemical Model");
    EXPECT_EQ(block->spellings.size(), 6u);
    EXPECT_EQ(block->options, (std::vector<std::string>{"force_equality"}));
    EXPECT_EQ(vocabulary.FindBlock("mix_solution")->name, "solution_mix");
    EXPECT_EQ(vocabulary.Keywords().size(), 112u);
    for (const char* other : {"reactive_transport", "datablock", "hydraulic_properties"}) {
        EXPECT_EQ(vocabulary.FindBlock(other), nullptr) << other;
    }
    EXPECT_EQ(vocabulary.FindBlock("LLNL_aqueous_model_parameters")->group, "Miscellaneous");
    EXPECT_EQ(vocabulary.FindBlock("transport")->group, "");
    EXPECT_EQ(vocabulary.FindBlock("solution 1"), nullptr);
    EXPECT_EQ(vocabulary.FindBlock("sol"), nullptr);
    EXPECT_TRUE(std::is_sorted(
        vocabulary.Keywords().begin(), vocabulary.Keywords().end(),
        [](const KeywordEntry& a, const KeywordEntry& b) { return a.spelling < b.spelling; }));
}

TEST(Vocabulary, OptionsArePhreeqc3sWithoutBlanks) {
    const Vocabulary& vocabulary = Shared();
    const std::vector<std::string>& surface = vocabulary.FindBlock("surface_raw")->options;
    EXPECT_NE(std::find(surface.begin(), surface.end(), "type"), surface.end());
    const std::vector<std::string>& phases = vocabulary.FindBlock("equilibrium_phases")->options;
    EXPECT_EQ(std::find(phases.begin(), phases.end(), "material"), phases.end());
    const std::vector<std::string>& transport = vocabulary.FindBlock("transport")->options;
    EXPECT_EQ(std::find(transport.begin(), transport.end(), "boundary_layer"), transport.end());
    for (const KeywordEntry& keyword : vocabulary.Keywords()) {
        for (const std::string& option : keyword.block->options) {
            EXPECT_EQ(option.find(' '), std::string::npos) << keyword.spelling << " " << option;
        }
    }
}

TEST(Vocabulary, BasicWordsBeginWithALetter) {
    const std::vector<std::string>& words = Shared().BasicWords();
    EXPECT_TRUE(std::binary_search(words.begin(), words.end(), "tot"));
    EXPECT_TRUE(std::binary_search(words.begin(), words.end(), "kinetics_formula$"));
    EXPECT_FALSE(std::binary_search(words.begin(), words.end(), "go to"));
    EXPECT_TRUE(std::all_of(words.begin(), words.end(),
                            [](const std::string& word) { return std::isalpha(word[0]) != 0; }));
}

} // namespace
} // namespace vxcheck::lsp

// The help texts: one for every keyword, option and BASIC word of PHREEQC 3's tables, found by
// any spelling, with forms whose parameters signature help can show.
#include <vxcheck/input/help.h>
#include <vxcheck/input/vocabulary.h>
#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

namespace vxcheck {
namespace {

std::string Upper(std::string_view text) {
    std::string upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

TEST(Help, EveryKeywordSpellingFindsItsBlocksText) {
    std::set<std::string_view> blocks;
    for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
        blocks.insert(keyword.block);
        const KeywordHelp* help = FindKeywordHelp(Upper(keyword.spelling));
        ASSERT_NE(help, nullptr) << keyword.spelling;
        EXPECT_EQ(help->block, keyword.block) << keyword.spelling;
        EXPECT_FALSE(help->summary.empty() || help->form.empty()) << keyword.block;
    }
    // No text for a block that PHREEQC does not have.
    EXPECT_EQ(KeywordHelps().size(), blocks.size());
    EXPECT_EQ(FindKeywordHelp("Calcite"), nullptr);
    EXPECT_EQ(FindKeywordHelp(""), nullptr);
}

TEST(Help, EveryOptionOfEveryBlockHasItsText) {
    std::size_t options = 0;
    auto check = [&](std::string_view block, std::string_view option) {
        ++options;
        const OptionHelp* help = FindOptionHelp(block, option);
        ASSERT_NE(help, nullptr) << block << " -" << option;
        EXPECT_FALSE(help->text.empty()) << block << " -" << option;
        if (!help->sameAs.empty()) {
            // A synonym names an option of its own block, whose text it shows.
            const OptionHelp* same = FindOptionHelp(block, help->sameAs);
            ASSERT_NE(same, nullptr) << block << " -" << option;
            EXPECT_EQ(same->text, help->text);
            EXPECT_TRUE(same->sameAs.empty()) << block << " -" << help->sameAs;
        }
    };
    for (const Phreeqc3Keyword& keyword : Phreeqc3Keywords()) {
        if (keyword.spelling != keyword.block) {
            continue; // each block once
        }
        for (const std::string_view option : Phreeqc3OptionsOf(keyword.block)) {
            check(keyword.block, option);
        }
    }
    // The readers that -component and its kind open in RAW and MODIFY blocks, by their names.
    std::set<std::string_view> readers;
    for (const ComponentReader& reader : ComponentReaders()) {
        for (const std::string_view option : readers.insert(reader.name).second
                                                 ? reader.options
                                                 : std::span<const std::string_view>()) {
            check(reader.name, option);
        }
    }
    EXPECT_EQ(readers.size(), 9u);
    EXPECT_EQ(OptionHelps().size(), options);
    const OptionHelp* temp = FindOptionHelp("SOLUTION", "-Temperature");
    ASSERT_NE(temp, nullptr);
    EXPECT_EQ(temp->sameAs, "temp");
    EXPECT_NE(temp->text.find("Celsius"), std::string_view::npos);
    EXPECT_EQ(FindOptionHelp("solution", "temperatur"), nullptr); // abbreviations: MatchOption
    EXPECT_EQ(FindOptionHelp("mix", "temp"), nullptr);
}

TEST(Help, EveryBasicWordHasAFormAndAnExampleThatUsesIt) {
    for (const Phreeqc3BasicWord& word : Phreeqc3BasicWords()) {
        const BasicHelp* help = FindBasicHelp(Upper(word.token));
        ASSERT_NE(help, nullptr) << word.token;
        EXPECT_EQ(help->word, word.token);
        EXPECT_FALSE(help->form.empty() || help->text.empty()) << word.token;
        if (!word.isOperator && !help->example.empty()) {
            std::string token = Upper(word.token);
            if (token.ends_with('$')) {
                token.pop_back(); // PAD and PAD$ share an example
            }
            EXPECT_NE(Upper(help->example).find(token), std::string::npos) << word.token;
        }
    }
    EXPECT_EQ(BasicHelps().size(), Phreeqc3BasicWords().size());
    EXPECT_EQ(FindBasicHelp("calcite"), nullptr);
}

TEST(Help, BasicParametersSplitTheFormAtTopLevelCommas) {
    using Parameters = std::vector<std::string_view>;
    const auto parameters = [](std::string_view word) {
        const BasicHelp* help = FindBasicHelp(word);
        return help != nullptr ? BasicParameters(*help) : Parameters{"(no help)"};
    };
    EXPECT_EQ(parameters("SI"), (Parameters{"\"phase\""}));
    EXPECT_EQ(parameters("mid$"), (Parameters{"s$", "start", "count"}));
    EXPECT_EQ(parameters("sys").size(), 5u);
    EXPECT_EQ(parameters("callback"), (Parameters{"x1", "x2", "\"text\""}));
    EXPECT_EQ(parameters("put"), (Parameters{"value", "i1", "i2", "..."}));
    EXPECT_TRUE(parameters("tk").empty());
    EXPECT_TRUE(parameters("eol$").empty());
    // Each parameter is a piece of the form, so an editor can mark it inside the label.
    const BasicHelp* sr = FindBasicHelp("sr");
    ASSERT_NE(sr, nullptr);
    const std::string_view phase = BasicParameters(*sr).at(0);
    EXPECT_EQ(
        sr->form.substr(static_cast<std::size_t>(phase.data() - sr->form.data()), phase.size()),
        "\"phase\"");
}

} // namespace
} // namespace vxcheck

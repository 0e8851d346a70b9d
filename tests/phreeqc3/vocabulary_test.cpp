// The PHREEQC 3 tables against the lists taken from PHREEQC 3's source. Includes only its own
// public header, which therefore compiles alone.
#include <vxcheck/phreeqc3.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The rows of a tab-separated list of data/phreeqc3, without its heading.
std::vector<std::vector<std::string>> ReadRows(const std::string& name) {
    std::ifstream file(std::string(VXCHECK_DATA_DIR) + "/phreeqc3/" + name);
    EXPECT_TRUE(file) << name;
    std::vector<std::vector<std::string>> rows;
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::vector<std::string> fields;
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            fields.push_back(cell);
        }
        rows.push_back(fields);
    }
    return rows;
}

std::vector<std::string> Strings(std::span<const std::string_view> views) {
    return {views.begin(), views.end()};
}

} // namespace

TEST(Phreeqc3Vocabulary, KeywordsMatchPhreeqcTableInOrder) {
    const auto rows = ReadRows("keywords.tsv");
    const auto keywords = vxcheck::Phreeqc3Keywords();
    ASSERT_EQ(keywords.size(), 112u);
    ASSERT_EQ(rows.size(), keywords.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(keywords[i].spelling, rows[i].at(0)) << i;
        EXPECT_EQ(keywords[i].block, rows[i].at(1)) << i;
    }
}

TEST(Phreeqc3Vocabulary, EveryBlockHasExactlyItsOptions) {
    std::map<std::string, std::vector<std::string>> expected;
    for (const auto& row : ReadRows("options.tsv")) {
        auto& options = expected[row.at(0)];
        EXPECT_EQ(std::to_string(options.size()), row.at(1)) << row.at(0);
        options.push_back(row.at(2));
    }
    std::map<std::string, bool> blocks;
    for (const auto& row : ReadRows("keywords.tsv")) {
        blocks[row.at(1)] = true;
    }
    EXPECT_EQ(blocks.size(), 80u);
    std::size_t withOptions = 0;
    for (const auto& [block, unused] : blocks) {
        const auto found = expected.find(block);
        const std::vector<std::string> options =
            found == expected.end() ? std::vector<std::string>{} : found->second;
        EXPECT_EQ(Strings(vxcheck::Phreeqc3OptionsOf(block)), options) << block;
        withOptions += found != expected.end();
    }
    // Every listed block is one that a keyword opens.
    EXPECT_EQ(withOptions, expected.size());
    EXPECT_TRUE(vxcheck::Phreeqc3OptionsOf("PHASES").empty());
}

TEST(Phreeqc3Vocabulary, BasicWordsMatchPhreeqcTableInOrder) {
    const auto rows = ReadRows("basic.tsv");
    const auto words = vxcheck::Phreeqc3BasicWords();
    ASSERT_EQ(words.size(), 219u);
    ASSERT_EQ(rows.size(), words.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(words[i].token, rows[i].at(0)) << i;
        EXPECT_EQ(words[i].isOperator, rows[i].at(1) == "operator") << i;
    }
}

TEST(Phreeqc3Vocabulary, BlockOfComparesWholeSpellingIgnoringCase) {
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf("Pure_Phases"), "equilibrium_phases");
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf("MIX_SURFACE"), "surface_mix");
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf("eof"), "end");
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf("pure_phase"), "");
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf("phases "), "");
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf("datablock"), ""); // the checker's own, not PHREEQC 3's
    EXPECT_EQ(vxcheck::Phreeqc3BlockOf(""), "");
}

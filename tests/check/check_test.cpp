// Cvx_Check's fixed vocabulary: keywords, CheckKeyword and the BASIC words.
#include <vxcheck/check.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

TEST(Check, KeywordsAreSortedWithTheirFirstAndLast) {
    Cvx_Check checker;
    const std::vector<CString> keywords = checker.GetKeywords();
    ASSERT_EQ(keywords.size(), 65U);
    EXPECT_EQ(keywords.front(), "advection");
    EXPECT_EQ(keywords.back(), "user_punch");
    auto at = [&](const char* word) { return std::find(keywords.begin(), keywords.end(), word); };
    EXPECT_LT(at("isotopes"), at("isotope_alphas"));
    EXPECT_LT(at("selected_output"), at("select_out"));
    EXPECT_LT(at("solution_s"), at("solution_species"));
}

TEST(Check, EveryKeywordIsFoundWholeInAnyCase) {
    Cvx_Check checker;
    for (const CString& keyword : checker.GetKeywords()) {
        const int position = checker.CheckKeyword(keyword);
        ASSERT_GE(position, 0) << keyword.GetString();
        std::string upper(keyword.GetString());
        std::string mixed(upper);
        for (std::size_t i = 0; i < upper.size(); ++i) {
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
            mixed[i] = i % 2 == 0 ? upper[i] : mixed[i];
        }
        EXPECT_EQ(checker.CheckKeyword(upper.c_str()), position);
        EXPECT_EQ(checker.CheckKeyword(mixed.c_str()), position);
        EXPECT_EQ(checker.CheckKeyword(keyword + " 1"), -1);
        EXPECT_EQ(checker.CheckKeyword(" " + keyword), -1);
    }
}

TEST(Check, KeywordPositionsFollowTheKeywordTable) {
    Cvx_Check checker;
    EXPECT_EQ(checker.CheckKeyword("eof"), 0);
    EXPECT_EQ(checker.CheckKeyword("END"), 1);
    EXPECT_EQ(checker.CheckKeyword("Solution"), 4);
    EXPECT_EQ(checker.CheckKeyword("solution_s"), 37);
    EXPECT_EQ(checker.CheckKeyword("hydraulic_properties"), 64);
    for (const char* notKeyword : {"", "sol", "solution 1 pure water", "-temp", "user_graphs",
                                   "solution\t", "mean_gammas"}) {
        EXPECT_EQ(checker.CheckKeyword(notKeyword), -1) << notKeyword;
    }
}

TEST(Check, BasicWordsAreSortedWithBlanksKept) {
    Cvx_Check checker;
    const std::vector<CString> basic = checker.GetBasic();
    ASSERT_EQ(basic.size(), 162U);
    EXPECT_EQ(basic.front(), "( or [");
    EXPECT_EQ(basic[1], ") or ]");
    EXPECT_EQ(basic.back(), "^");
    auto at = [&](const char* word) { return std::find(basic.begin(), basic.end(), word); };
    EXPECT_NE(at("change_sfpressure "), basic.end());
    EXPECT_EQ(at("change_sfpressure"), basic.end());
    EXPECT_LT(at("sum_gas"), at("sum_solid"));
    EXPECT_LT(at("sum_species"), at("sum_s_s"));
    EXPECT_LT(at("sys"), at("s_s"));
    EXPECT_LT(at("go to"), at("gosub"));
    EXPECT_LT(at("m"), at("m0"));
    EXPECT_EQ(checker.GetBasic(), basic);
}

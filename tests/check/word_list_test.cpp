// Cvx_WordList: index order, first spelling wins, the cache marks, and words the index cannot hold.
#include <vxcheck/word_list.h>

#include <gtest/gtest.h>

#include <string>

namespace {

Cvx_WordList ListOf(std::initializer_list<const char*> words) {
    Cvx_WordList list;
    for (const char* word : words) {
        list.AddWord(word);
    }
    return list;
}

std::vector<CString> Strings(std::initializer_list<const char*> words) {
    return {words.begin(), words.end()};
}

} // namespace

TEST(WordList, SortedOrderFoldsCaseAndPutsUnderscoreAfterLetters) {
    Cvx_WordList list = ListOf({"select_out", "equilibrium_phases", "isotope_alphas", "Calcite",
                                "selected_out", "equilibria", "isotopes", "CALCITE", "equilibrium",
                                "equilibrium_phase", "", "m0", "m"});
    EXPECT_EQ(
        list.GetSortedWords(),
        Strings({"Calcite", "equilibria", "equilibrium", "equilibrium_phase", "equilibrium_phases",
                 "isotopes", "isotope_alphas", "m", "m0", "selected_out", "select_out"}));
    EXPECT_EQ(list.WordCount(), 13); // duplicates and the empty word stay in the words
    EXPECT_EQ(list.FindWord("calcite"), 3);
    EXPECT_EQ(list.FindWord("CALCITE "), -1); // nothing is trimmed
    EXPECT_EQ(list.FindWord(""), -1);
}

TEST(WordList, FindPrefixCountsIndexedWords) {
    Cvx_WordList list = ListOf({"equilibrium", "equilibrium_phases", "Equilibrium"});
    EXPECT_EQ(list.FindPrefix("EQUILIBRIUM"), 0);
    EXPECT_EQ(list.FindPrefix("equil"), 2);
    EXPECT_EQ(list.FindPrefix("equilibrium_"), 1);
    EXPECT_EQ(list.FindPrefix("xyz"), -1);
    EXPECT_EQ(list.FindPrefix("equilibrium_phasesX"), -1);
    EXPECT_EQ(list.FindPrefix(""), 2); // every indexed word begins with the empty text
    EXPECT_EQ(Cvx_WordList().FindPrefix(""), -1);
}

TEST(WordList, ViewsFollowTheCacheMarks) {
    Cvx_WordList list = ListOf({"b", "c", "a"});
    for (unsigned char flag : {1, 0, 1}) {
        list.AddFlag(flag);
    }
    EXPECT_EQ(list.GetListedWords(), Strings({"a", "b"}));
    EXPECT_EQ(list.SortedWordCount(), 3);

    list.SetFlag(0, 0); // a listed view once built is kept until the words change
    EXPECT_EQ(list.GetListedWords(), Strings({"a", "b"}));
    list.AddCompanions(Strings({"B", "C", "A"}));
    EXPECT_EQ(list.GetListedWords(), Strings({"a", "b"}));
    EXPECT_EQ(list.GetSortedCompanions(), Strings({"A", "B", "C"}));

    list.AddWord("0");
    list.AddFlag(1);
    EXPECT_EQ(list.SortedWordCount(), 3); // counts are read without rebuilding
    EXPECT_EQ(list.GetListedWords(), Strings({"0", "a"}));
    EXPECT_EQ(list.SortedWordCount(), 4);
    // The companion of the fourth word is missing: it reads as an empty entry.
    EXPECT_EQ(list.GetSortedCompanions(), Strings({"", "A", "B", "C"}));
}

TEST(WordList, WithoutFlagsEveryWordIsListedInInsertionOrder) {
    Cvx_WordList list = ListOf({"b", "a", "b", ""});
    EXPECT_EQ(list.GetListedWords(), Strings({"b", "a", "b", ""}));
    EXPECT_EQ(list.GetSortedWords(), Strings({"a", "b"}));
    list.AddWord("c");
    EXPECT_EQ(list.GetListedWords().size(), 5U);
}

TEST(WordList, CopiesAreIndependent) {
    auto* source = new Cvx_WordList(ListOf({"Calcite", "Gypsum"}));
    source->FindWord("gypsum"); // the index is built before the copy
    Cvx_WordList copy(*source);
    Cvx_WordList assigned;
    assigned.AddWord("x");
    assigned = *source;
    source->AddWord("Albite");
    EXPECT_EQ(source->FindWord("albite"), 2);
    delete source;
    for (Cvx_WordList* list : {&copy, &assigned}) {
        EXPECT_EQ(list->FindWord("GYPSUM"), 1);
        EXPECT_EQ(list->FindWord("albite"), -1);
        EXPECT_EQ(list->GetSortedWords(), Strings({"Calcite", "Gypsum"}));
    }
    assigned = assigned;
    EXPECT_EQ(assigned.FindWord("calcite"), 0);
}

// A word holding a character without an index slot is kept but never indexed; a text holding
// one is never found. Every byte value is tried, in added words and in looked-up texts.
TEST(WordList, CharactersOutsideTheIndexAreNeverIndexed) {
    for (int byte = 1; byte < 256; ++byte) {
        const char ch = static_cast<char>(byte);
        const int folded = (byte >= 'a' && byte <= 'z') ? byte - 32 : byte;
        const bool hasSlot = folded >= 0x20 && folded <= 0x60;
        Cvx_WordList list = ListOf({"ab"});
        list.AddWord(CString("a") + ch);
        list.AddWord(CString(ch) + "z");
        ASSERT_EQ(list.GetWords().size(), 3U);
        const int expectedCount = hasSlot ? (byte == 'b' || byte == 'B' ? 2 : 3) : 1;
        EXPECT_EQ(list.FindPrefix(""), expectedCount) << byte;
        EXPECT_EQ(list.GetSortedWords().size(), static_cast<std::size_t>(expectedCount)) << byte;
        EXPECT_EQ(list.FindWord(CString(ch) + "z") >= 0, hasSlot) << byte;
        EXPECT_EQ(list.FindPrefix(CString("a") + ch) >= 0, hasSlot) << byte;
        EXPECT_EQ(list.FindPrefix(CString(ch)) >= 0, hasSlot) << byte;
        const bool isA = byte == 'a' || byte == 'A';
        EXPECT_EQ(list.FindPrefix("a"), expectedCount - (hasSlot && !isA ? 1 : 0)) << byte;
    }
}

TEST(WordList, LongWordsCostNoStackDepth) {
    const std::string longWord(200000, 'x');
    Cvx_WordList list;
    list.AddWord(longWord.c_str());
    list.AddWord("y");
    EXPECT_EQ(list.FindWord(longWord.c_str()), 0);
    Cvx_WordList copy(list);
    EXPECT_EQ(copy.GetSortedWords().size(), 2U);
    EXPECT_EQ(copy.FindPrefix("xxx"), 1);
}

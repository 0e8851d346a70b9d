// Completion: what each place offers, with kinds, details and the range that the items replace.
#include "fixture.h"

#include <algorithm>

namespace vxcheck::lsp::testing {
namespace {

const CompletionItem* Find(const CompletionList& list, const std::string& label) {
    auto it = std::find_if(list.items.begin(), list.items.end(),
                           [&](const CompletionItem& item) { return item.label == label; });
    return it == list.items.end() ? nullptr : &*it;
}

std::vector<std::string> LabelsOf(const CompletionList& list) {
    std::vector<std::string> labels;
    for (const CompletionItem& item : list.items) {
        labels.push_back(item.label);
    }
    return labels;
}

TEST(Completion, FirstWordOffersKeywordsAndTheBlocksNames) {
    Marked marked("SOLUTION 1\n  Ca 1\n  Na|");
    CompletionList list = Completion(marked.context, marked.point);
    const CompletionItem* keyword = Find(list, "EQUILIBRIUM_PHASES");
    ASSERT_NE(keyword, nullptr);
    EXPECT_EQ(keyword->kind, CompletionItemKind::Keyword);
    const CompletionItem* name = Find(list, "C(4)");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->kind, CompletionItemKind::Constant);
    EXPECT_EQ(name->detail, "composition name");
    EXPECT_EQ(name->textEdit.range.start.character, 2);
    EXPECT_EQ(name->textEdit.range.end.character, 4);
    EXPECT_EQ(Find(list, "Calcite"), nullptr);

    Marked before("  SOL|");
    CompletionList keywords = Completion(before.context, before.point);
    EXPECT_EQ(Find(keywords, "Na"), nullptr);
}

TEST(Completion, OptionsAfterADashAndNothingInComments) {
    Marked marked("SOLUTION 1\n  -|");
    CompletionList list = Completion(marked.context, marked.point);
    ASSERT_FALSE(list.items.empty());
    for (const CompletionItem& item : list.items) {
        EXPECT_EQ(item.label[0], '-');
        EXPECT_EQ(item.kind, CompletionItemKind::Property);
    }
    EXPECT_NE(Find(list, "-temperature"), nullptr);

    Marked comment("SOLUTION 1 # -|");
    EXPECT_TRUE(Completion(comment.context, comment.point).items.empty());
}

TEST(Completion, PhasesCarryTheirFormulas) {
    Marked marked("EQUILIBRIUM_PHASES 1\n  Calcite 0 1; |");
    CompletionList list = Completion(marked.context, marked.point);
    const CompletionItem* phase = Find(list, "Gypsum");
    ASSERT_NE(phase, nullptr);
    EXPECT_EQ(phase->detail, "CaSO4:2H2O");
    EXPECT_EQ(phase->kind, CompletionItemKind::Class);

    Marked gases("GAS_PHASE 1\n  CO2(g) 0.1 |");
    EXPECT_EQ(LabelsOf(Completion(gases.context, gases.point)), std::vector<std::string>{"CO2(g)"});
}

TEST(Completion, BasicWordsAndTheNamesOfQuotedArguments) {
    Marked words("USER_PUNCH\n  10 PUNCH S|");
    CompletionList list = Completion(words.context, words.point);
    const CompletionItem* si = Find(list, "SI");
    ASSERT_NE(si, nullptr);
    EXPECT_EQ(si->kind, CompletionItemKind::Function);

    Marked phases("USER_PUNCH\n  10 PUNCH SI(\"|");
    EXPECT_EQ(LabelsOf(Completion(phases.context, phases.point)),
              (std::vector<std::string>{"Calcite", "CO2(g)", "Gypsum"}));
    Marked totals("USER_PUNCH\n  10 PUNCH TOT(\"|");
    EXPECT_EQ(LabelsOf(Completion(totals.context, totals.point)),
              (std::vector<std::string>{"C", "C(4)", "Ca", "Na"}));
}

TEST(Completion, WithoutADatabaseOnlyTheVocabulary) {
    Marked marked("EQUILIBRIUM_PHASES 1\n  |");
    FeatureContext context = marked.context;
    context.database = nullptr;
    CompletionList list = Completion(context, marked.point);
    EXPECT_NE(Find(list, "SOLUTION"), nullptr);
    EXPECT_EQ(Find(list, "Calcite"), nullptr);
}

} // namespace
} // namespace vxcheck::lsp::testing

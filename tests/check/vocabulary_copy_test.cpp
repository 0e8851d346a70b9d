// Copies and assignments of a checker that has read no database: they answer as their source,
// outlive it, and own every lookup index of their own.
#include <vxcheck/check.h>
#include <vxcheck/kw_tree.h>

#include "kwtree/tree_walk.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Every answer of the fixed vocabulary: keywords, BASIC words, all identifiers, and the
// identifiers of each keyword in turn.
std::vector<std::vector<CString>> Answers(Cvx_Check& checker) {
    std::vector<std::vector<CString>> answers{checker.GetKeywords(), checker.GetBasic(),
                                              checker.GetIdentifier()};
    for (const CString& keyword : checker.GetKeywords()) {
        answers.push_back(checker.GetIdentifier(keyword));
        answers.push_back({std::to_string(checker.CheckKeyword(keyword)).c_str()});
    }
    return answers;
}

TEST(VocabularyCopy, CopiesAndAssignmentsAnswerAsTheSourceAfterItIsGone) {
    Cvx_Check reference;
    const auto expected = Answers(reference);
    auto source = std::make_unique<Cvx_Check>();
    source->GetIdentifier("selected_output"); // builds a listed view to be copied along

    Cvx_Check copy(*source);
    Cvx_Check assigned;
    assigned = *source;
    source.reset();
    EXPECT_EQ(Answers(copy), expected);
    EXPECT_EQ(Answers(assigned), expected);

    Cvx_Check& same = assigned;
    assigned = same;
    EXPECT_EQ(Answers(assigned), expected);

    // A tree bound to the copy asks it for identifiers.
    Cvx_KwTree tree;
    copy.BuildKeywordTree(&tree);
    EXPECT_EQ(TreeWalk::Visited(tree).size(), 270u);
}

} // namespace

// How fast reactions are read and balanced: all of llnl.dat's, as a large input might define.
#include "chemistry/database_equations.h"
#include "support/best_time.h"

#include <vxcheck/input/chemistry.h>

#include <gtest/gtest.h>

TEST(ReactionSpeed, EveryLlnlDatEquationReadAndBalanced) {
    const std::vector<DatabaseEquation> equations =
        DatabaseEquations(ReadWholeFile(VXCHECK_DATA_DIR "/databases/llnl.dat"));
    ASSERT_GT(equations.size(), 2000U);
    std::size_t balanced = 0;
    const double ms = BestMilliseconds([&] {
        balanced = 0;
        for (const DatabaseEquation& found : equations) {
            const std::optional<vxcheck::Reaction> reaction =
                vxcheck::ParseReaction(found.equation);
            balanced += reaction && vxcheck::ReactionImbalance(*reaction).empty() ? 1 : 0;
        }
    });
    EXPECT_EQ(balanced, equations.size());
    EXPECT_LT(ms, 60.0); // about 10 ms on an idle machine
    std::printf("%zu equations: %.2f ms\n", equations.size(), ms);
}

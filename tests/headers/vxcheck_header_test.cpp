// The host header gives a working checker.
#include <vxcheck/vxcheck.h>

#include <gtest/gtest.h>

TEST(VxcheckHeader, GivesAWorkingChecker) {
    Cvx_Check checker;
    EXPECT_EQ(checker.CheckKeyword("SOLUTION"), 4);
}

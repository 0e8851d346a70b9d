#include <gtest/gtest.h>
#include <vxcheck/input/basic.h>
TEST(BasicProgram, Placeholder) {
    EXPECT_TRUE(true);
}

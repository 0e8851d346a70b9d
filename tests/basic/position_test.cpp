// What stands at a point of a BASIC line: slots, the call and argument around the point, and the
// word that completion replaces.
#include <vxcheck/input/basic_position.h>

#include <gtest/gtest.h>

#include <string>

namespace vxcheck {
namespace {

// The position at the "|" of line, the "|" taken out.
BasicPosition At(std::string line) {
    const std::size_t column = line.find('|');
    line.erase(column, 1);
    static std::string kept;
    kept = line;
    return BasicPositionAt(kept, column);
}

TEST(BasicPosition, CallAndArgumentAroundThePoint) {
    BasicPosition si = At("10 PUNCH SI(\"Cal|cite\")");
    EXPECT_EQ(si.slot, BasicSlot::String);
    ASSERT_TRUE(si.inCall);
    EXPECT_EQ(si.call.function, "si");
    EXPECT_EQ(si.call.argument, 0u);
    EXPECT_EQ(si.begin, 13u);
    EXPECT_EQ(si.end, 20u);

    BasicPosition surf = At("20 x = SURF(\"As\", \"Hf|");
    EXPECT_EQ(surf.slot, BasicSlot::String);
    EXPECT_EQ(surf.call.function, "surf");
    EXPECT_EQ(surf.call.argument, 1u);
    EXPECT_EQ(surf.end, 21u); // an unclosed string runs to the line's end

    // A grouping inside the call keeps the call; a closed inner call is left behind.
    BasicPosition nested = At("30 y = EDL(\"Ca\", (LEN(a$) + |");
    EXPECT_EQ(nested.slot, BasicSlot::Expression);
    EXPECT_EQ(nested.call.function, "edl");
    EXPECT_EQ(nested.call.argument, 1u);

    BasicPosition inner = At("40 y = MID$(a$, INSTR(a$, |");
    EXPECT_EQ(inner.call.function, "instr");
    EXPECT_EQ(inner.call.argument, 1u);

    // PUT and PUT$ take their arguments in parentheses, as a function does; IF and PRINT do not.
    BasicPosition put = At("45 PUT(TOT(\"Ca\"), |");
    ASSERT_TRUE(put.inCall);
    EXPECT_EQ(put.call.function, "put");
    EXPECT_EQ(put.call.argument, 1u);
    EXPECT_EQ(At("46 PUT$(\"a|").call.function, "put$");
    EXPECT_FALSE(At("47 IF (x > |").inCall);
    EXPECT_FALSE(At("48 PRINT (|").inCall);

    // An array's subscript is no call; after the call has closed there is none.
    EXPECT_FALSE(At("50 a(|").inCall);
    EXPECT_FALSE(At("60 x = TOT(\"Ca\") + |").inCall);
    EXPECT_FALSE(At("70 PRINT \"ab|c\"").inCall);
    EXPECT_EQ(At("70 PRINT \"ab|c\"").slot, BasicSlot::String);
}

TEST(BasicPosition, SlotsOfStatementsExpressionsAndJumps) {
    EXPECT_EQ(At("1|0 PRINT x").slot, BasicSlot::LineNumber);
    BasicPosition start = At("10 PU|");
    EXPECT_EQ(start.slot, BasicSlot::Statement);
    EXPECT_EQ(start.begin, 3u);
    EXPECT_EQ(start.end, 5u);
    EXPECT_EQ(At("10 a = 1 : |").slot, BasicSlot::Statement);
    EXPECT_EQ(At("|").slot, BasicSlot::Statement);
    EXPECT_EQ(At("10 a = |").slot, BasicSlot::Expression);
    EXPECT_EQ(At("10 a = s|qrt(2)").slot, BasicSlot::Expression);
    EXPECT_EQ(At("10 a = sqrt(2)|").slot, BasicSlot::Expression);
    EXPECT_EQ(At("10 GOTO |").slot, BasicSlot::JumpTarget);
    EXPECT_EQ(At("10 GOSUB 1|").slot, BasicSlot::JumpTarget);
    EXPECT_EQ(At("10 ON i GOTO 100, 200, |").slot, BasicSlot::JumpTarget);
    EXPECT_EQ(At("10 RESTORE |").slot, BasicSlot::JumpTarget);
    BasicPosition then = At("10 IF a > 1 THEN |");
    EXPECT_EQ(then.slot, BasicSlot::Statement);
    EXPECT_TRUE(then.jumpAlso);
    EXPECT_FALSE(At("10 GOTO 100 : |").jumpAlso);
    EXPECT_EQ(At("10 GOTO 100 : |").slot, BasicSlot::Statement);
    EXPECT_EQ(At("10 REM the re|st").slot, BasicSlot::Remark);
    EXPECT_EQ(At("10 RE|M the rest").slot, BasicSlot::Statement);
}

TEST(BasicPosition, PointsPastTheEndAndOddBytes) {
    const std::string line = "10 x = SI(\"Calcite\")";
    BasicPosition past = BasicPositionAt(line, 1000);
    EXPECT_EQ(past.begin, line.size());
    EXPECT_FALSE(past.inCall);
    const std::string odd = "\x01\xff(\"(,|";
    for (std::size_t column = 0; column <= odd.size(); ++column) {
        BasicPosition position = BasicPositionAt(odd, column);
        EXPECT_LE(position.begin, column);
        EXPECT_LE(position.end, odd.size());
    }
}

} // namespace
} // namespace vxcheck

// What may stand at a point of one BASIC line: a statement, an expression, a line number, the
// inside of a string; and the function call the point stands in, for completion and signature
// help.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <string_view>

namespace vxcheck {

enum class BasicSlot {
    LineNumber, // the line's own number, before its first statement
    Statement,  // where a statement begins: a statement word or a variable to assign
    Expression, // inside an expression: functions, variables, numbers
    JumpTarget, // a line number after GOTO, GOSUB, RESTORE, THEN or ELSE, or in ON's list
    String,     // inside a quoted string
    Remark,     // inside a REM
};

// The innermost function call around a point: SI( | ).
struct BasicCall {
    std::string_view function; // lower case, as the interpreter's table spells it
    std::size_t begin = 0;     // bytes of the function's name in the line
    std::size_t end = 0;
    std::size_t argument = 0; // 0-based: the commas before the point at the call's own depth
};

struct BasicPosition {
    BasicSlot slot = BasicSlot::Statement;
    // The word at the point, bytes [begin, end) of the line: a name, a number, or a string's text
    // without its quotes; begin == end == the point where a new word would start.
    std::size_t begin = 0;
    std::size_t end = 0;
    bool inCall = false; // call is set
    BasicCall call;
    // After THEN or ELSE a statement and a line number may both stand: slot is Statement, and
    // this is true.
    bool jumpAlso = false;
};

// Reads one BASIC line (text as PHREEQC hands it to its interpreter, its line number included)
// up to byte column (at most text.size()) and tells what stands there.
VXCHECK_API BasicPosition BasicPositionAt(std::string_view text, std::size_t column);

} // namespace vxcheck

// PHREEQC's BASIC read a program at a time: each kind of mistake on its line and place, and the
// constructs PHREEQC runs left alone.
#include <vxcheck/input/basic.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

std::vector<std::string_view> SplitProgram(std::string_view program) {
    std::vector<std::string_view> lines;
    while (!program.empty()) {
        const std::size_t end = program.find('\n');
        lines.push_back(program.substr(0, end));
        program = end == std::string_view::npos ? std::string_view() : program.substr(end + 1);
    }
    return lines;
}

// "LINE:BEGIN-END severity code" for each finding (1-based line, 0-based bytes).
Lines Findings(std::string_view program) {
    Lines findings;
    for (const vxcheck::BasicFinding& finding :
         vxcheck::CheckBasicProgram(SplitProgram(program)).findings) {
        findings.push_back(std::to_string(finding.line + 1) + ":" + std::to_string(finding.begin) +
                           "-" + std::to_string(finding.end) + " " +
                           vxcheck::SeverityName(finding.severity) + " " + finding.code);
    }
    return findings;
}

std::string Message(std::string_view program) {
    const vxcheck::BasicReport report = vxcheck::CheckBasicProgram(SplitProgram(program));
    return report.findings.empty() ? std::string() : report.findings.front().message;
}

} // namespace

TEST(BasicProgram, LeavesWhatPhreeqcRunsAlone) {
    EXPECT_EQ(
        Findings(
            "10 a = 1 : b$ = \"x\" + 'y' : PRINT a, b$; MID$(b$, 2)\n"
            "20 IF a > 0 AND NOT (b$ = \"\") THEN 40 ELSE PRINT \"no\"\n"
            "30 IF a THEN a = 2 ELSE 40\n"
            "40 FOR i = 1 TO 10 STEP 2 : PUT(i ^ 2, i) : NEXT i\n"
            "50 ON a GOTO 10, 20 : REM jumps\n"
            "60 DIM c(3), d$(2) : READ c(1), d$(1) : DATA 5, \"x\"\n"
            "70 n = SYS(\"Ca\", count, name$, type$, moles) : x = moles(1) + c(1)\n"
            "80 ? 0x1F, 1e3, .5, -TOT(\"Ca\") * 2 MOD 3, GET(1, 2), SI \"Calcite\"\n"
            "90 GOSUB 100 : SAVE x * TIME\n"
            "100 RETURN anything : WHILE x < 3 : x = x + 1 : WEND\n"
            "110 ERASE c, d$ : LIST 10-20 : PUT$(\"a\", 1) : x = APHI + DIFF_C(\"Na+\")\n"
            "120 y = DELTA_H_PHASE \"Calcite\" + EOL$ <> \"\" OR 1 XOR 2 : END this is not read\n"
            "130 CHANGE_POR(0.2, 1) : t$ = STR_F$(x, 8, 2) + PAD(\"a\", 3) : IF 1 THEN 140\n"
            "140 a = 1 >= 2 : b = (1 <= 2) * +3 : c$ = TRIM(\"a \")\n"
            "150 ON x GOSUB 100 : PLOT_XY x, y, color = \"Red\", symbol = Circle : STOP\n"
            "unnumbered = 1\n"),
        Lines{});
}

TEST(BasicProgram, ReportsWhatThePhreeqcTokenizerRejects) {
    EXPECT_EQ(Findings("10 x = SQRT(4 + (2)\n20 y = 2)\n30 PRINT \"open\n40 PRINT 'a' ' b\n"),
              (Lines{"1:11-12 error basic-syntax", "2:8-9 error basic-syntax",
                     "3:9-14 error basic-syntax", "4:13-16 error basic-syntax"}));
    EXPECT_EQ(Message("10 x = (1\n"), "This \"(\" is never closed; PHREEQC stops on the line.");
    // A ")" before its "(" balances the count, so the parser finds it.
    EXPECT_EQ(Findings("10 x = )1(\n"), Lines{"1:7-8 error basic-syntax"});
}

TEST(BasicProgram, ReportsSyntaxAtTheFirstMistakeOfALine) {
    EXPECT_EQ(Findings("10 x = 1 +\n20 IF x > 0 PRINT x\n30 a = 1 : b = 2 c = 3\n"
                       "40 y = 3 * / 2\n50 x 5\n60 FOR i = 1 10\n70 y = 1 : y = + : z = * 2\n"),
              (Lines{"1:9-10 error basic-syntax", "2:12-17 error basic-syntax",
                     "3:17-18 error basic-syntax", "4:11-12 error basic-syntax",
                     "5:5-6 error basic-syntax", "6:13-15 error basic-syntax",
                     "7:17-18 error basic-syntax"}));
    EXPECT_EQ(Message("20 IF x > 0 PRINT x\n"), "IF needs THEN after its condition.");
    EXPECT_EQ(
        Findings(
            "10 DIM 5\n20 DIM a 5\n30 ON x PRINT\n40 READ 5\n50 n = SYS(\"Ca\", 5, a$, b$, c)\n"
            "60 a = INSTR\n70 x = 1 . 2\n80 x = " +
            std::string(300, '(') + "1" + std::string(300, ')') + "\n"),
        (Lines{"1:7-8 error basic-syntax", "2:9-10 error basic-syntax", "3:8-13 error basic-syntax",
               "4:8-9 error basic-syntax", "5:17-18 error basic-syntax",
               "6:7-12 error basic-syntax", "7:9-10 error basic-syntax",
               "8:107-108 error basic-syntax"}));
    EXPECT_EQ(Message("10 x = 1 +\n"),
              "The line ends too early after \"+\": A value is missing here.");
}

TEST(BasicProgram, ReportsStatementsAndArgumentsPhreeqcRejects) {
    EXPECT_EQ(Findings("10 SI(\"Calcite\")\n20 \"text\"\n30 INPUT x\n40 x = SQRT(4, 2)\n"
                       "50 a = INSTR(\"abc\")\n60 a = STR_F$(1, 2, 3, 4)\n70 n = SYS(\"Ca\", 5)\n"
                       "80 s$ = MID$(\"abc\")\n"),
              (Lines{"1:3-5 error basic-unknown-statement", "2:3-9 error basic-unknown-statement",
                     "3:3-8 error basic-unknown-statement", "4:13-14 error basic-arguments",
                     "5:7-12 error basic-arguments", "6:7-13 error basic-arguments",
                     "7:17-18 error basic-syntax", "8:8-12 error basic-arguments"}));
    EXPECT_EQ(Message("50 a = INSTR(\"abc\")\n"), "INSTR takes 2 arguments, not 1.");
    EXPECT_EQ(Message("80 s$ = MID$(\"abc\")\n"), "MID$ takes 2 to 3 arguments, not 1.");
}

TEST(BasicProgram, ReportsAStringWhereANumberIsNeeded) {
    EXPECT_EQ(Findings("10 x$ = 5\n20 x = \"a\" + 1\n30 y = SQRT(\"4\")\n40 z = SI(5)\n"
                       "50 IF \"a\" < 2 THEN 10\n60 SAVE \"rate\"\n70 FOR s$ = 1 TO 2\n"
                       "80 q = LEN(a$) + VAL(b$) + 1\n"),
              (Lines{"1:6-7 error basic-type-mismatch", "2:11-12 error basic-type-mismatch",
                     "3:7-11 error basic-type-mismatch", "4:7-9 error basic-type-mismatch",
                     "5:10-11 error basic-type-mismatch", "6:8-14 error basic-type-mismatch",
                     "7:7-9 error basic-type-mismatch"}));
    EXPECT_EQ(Message("20 x = \"a\" + 1\n"),
              "+ joins two strings or adds two numbers, not a string and a number.");
}

TEST(BasicProgram, ChecksLineNumbersAcrossTheProgram) {
    EXPECT_EQ(Findings("10 GOTO 30\n20 GOSUB 500\n20 IF x THEN 600 ELSE 10\n"
                       "30 ON x GOTO 10, 700 : RESTORE 800\n"),
              (Lines{"2:9-12 error basic-missing-line", "3:0-2 warning basic-duplicate-line",
                     "3:13-16 error basic-missing-line", "4:17-20 error basic-missing-line",
                     "4:31-34 error basic-missing-line"}));
    EXPECT_EQ(Message("10 GOTO 99\n"), "There is no line 99 in this program.");
    // PHREEQC sorts numbered lines, so a jump to a line written earlier in the text is found.
    EXPECT_EQ(Findings("30 PRINT 1\n10 GOTO 30\n"), Lines{});
}

TEST(BasicProgram, ChecksLoopsInTheOrderPhreeqcRunsLines) {
    EXPECT_EQ(
        Findings("10 FOR i = 1 TO 3\n20 PRINT i\n30 FOR j = 1 TO 2 : NEXT\n"
                 "40 NEXT k\n"),
        (Lines{"1:7-8 warning basic-for-without-next", "4:3-7 warning basic-next-without-for"}));
    EXPECT_EQ(Findings("20 NEXT i\n10 FOR i = 1 TO 3\n"), Lines{});
}

TEST(BasicProgram, ReportsArraysThatNothingFills) {
    EXPECT_EQ(
        Findings("10 x = SQRTT(4) + filled(2)\n20 filled(1) = 3\n30 y = zz(1)\n"),
        (Lines{"1:7-12 warning basic-unknown-function", "3:7-9 warning basic-unknown-function"}));
    EXPECT_EQ(Message("10 x = SQRTT(4)\n"),
              "SQRTT is not a function of PHREEQC's BASIC, and the program never fills an array "
              "of that name, so it reads zeros; did you mean SQRT?");
}

TEST(BasicProgram, ReturnsTheNamesFunctionsLookUp) {
    const vxcheck::BasicReport report = vxcheck::CheckBasicProgram(
        SplitProgram("10 x = SI(\"Calcite\") + TOT \"Ca\" + ACT(n$)\n20 y = KIN(\"Pyrite\")\n"));
    ASSERT_EQ(report.names.size(), 3U);
    EXPECT_EQ(report.names[0].name, "Calcite");
    EXPECT_EQ(report.names[0].kind, vxcheck::NameKind::Phase);
    EXPECT_EQ(report.names[0].begin, 11U);
    EXPECT_EQ(report.names[1].name, "Ca");
    EXPECT_EQ(report.names[1].kind, vxcheck::NameKind::Element);
    EXPECT_EQ(report.names[2].kind, vxcheck::NameKind::Rate);
    EXPECT_EQ(report.names[2].line, 1U);
}

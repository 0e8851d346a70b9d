// Cvx_DbReader: words, statements, comments, line ends and the end of the file.
#include <vxcheck/db_reader.h>

#include "support/database_file.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

namespace {

// Runs ops on a reader over text: W ReadWord, S ReadStatement, K SkipStatement, L SkipLine. Each
// word or statement read is written in brackets, and "$" after every operation that leaves the
// reader at its end. The reader is then read to its end, which closes its stream.
std::string Trace(const std::string& text, const std::string& ops) {
    const DatabaseFile file(text);
    Cvx_DbReader reader;
    std::string trace = reader.Open(file.Path()) == 1 ? "" : "not opened";
    for (const char op : ops) {
        if (op == 'W' || op == 'S') {
            trace += '[';
            trace += Text(op == 'W' ? reader.ReadWord() : reader.ReadStatement());
            trace += ']';
        } else if (op == 'K') {
            reader.SkipStatement();
        } else {
            reader.SkipLine();
        }
        trace += reader.AtEnd() ? "$" : "";
    }
    while (!reader.AtEnd()) {
        reader.SkipLine();
    }
    return trace;
}

} // namespace

TEST(DbReader, WordsStatementsCommentsAndTheEnd) {
    const struct {
        std::string text, ops, trace;
    } cases[] = {
        // Separators, empty lines and ";" between words; the end is met by the read after the
        // final line feed, never by the read of it.
        {"Ca  Ca+2\t0.0  Ca  40.08\n\n   \n;;a;b\n", "WWWWWWWWW",
         "[Ca][Ca+2][0.0][Ca][40.08][a][b][]$[]$"},
        // The line feed went with the word; blanks stay, a tab reads as one blank.
        {"Calcite\n\n\tCaCO3 = CO3-2 + Ca+2\n   \n;;x;y \n", "WSSSSS",
         "[Calcite][ CaCO3 = CO3-2 + Ca+2][   ][x][y ][]$"},
        // A comment ends a statement or a word and takes its line feed; no final line feed.
        {"Ca+2 = Ca+2   # c; c\nCa#2 rest\n# only\n\nnext", "WSWW", "[Ca+2][= Ca+2   ][Ca][next]$"},
        {"# c\n\n \t\n;\n", "W", "[]$"},
        {"a\r\nb\rc\r\r\nd\r", "SSW", "[a][b\rc\r][d\r]$"},
        {"a b\x1a c d\n", "WWW", "[a][b]$[]$"},
        {"x\r\x1ay\n", "S", "[x\r]$"},
        {"A\0\x01\x0b\x7f\x80\xff{|}~ B\n"s, "WW", "[A\0\x01\x0b\x7f\x80\xff{|}~][B]"s},
        {"a b; c d\ne f; g\nh", "WKWLWLWK", "[a][c][e][h]$$"},
        {std::string(300, 'x') + " y\n" + std::string(400, 'z'), "WWS",
         "[" + std::string(300, 'x') + "][y][" + std::string(400, 'z') + "]$"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Trace(c.text, c.ops), c.trace) << c.text;
    }
}

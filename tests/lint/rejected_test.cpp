// Inputs that PHREEQC 3.8.9 rejects, each with one typical mistake: lint finds the cause on the
// line expected.tsv gives, with the code it gives. Rows without a code are mistakes that no rule
// finds yet; they count in the ratio that the test reports.
#include "support/lint_inputs.h"

#include <vxcheck/input/lint.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::filesystem::path kRejected(VXCHECK_TEST_REJECTED_DIR);

struct Rejected {
    std::string file;
    std::string database;
    int line = 0; // 1-based
    std::string code;
};

std::vector<Rejected> ReadExpected() {
    std::vector<Rejected> rows;
    std::vector<std::string> lines = SplitLines(ReadFile(kRejected / "expected.tsv"));
    for (std::size_t index = 1; index < lines.size(); ++index) {
        std::istringstream fields(lines[index]);
        Rejected row;
        fields >> row.file >> row.database >> row.line >> row.code;
        rows.push_back(row);
    }
    return rows;
}

bool Found(const Rejected& row) {
    for (const vxcheck::Diagnostic& diagnostic :
         vxcheck::LintInput(ReadFile(kRejected / row.file), &DatabaseNames(row.database))) {
        if (diagnostic.begin.line + 1 == row.line && diagnostic.code == row.code) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST(LintRejected, FindsTheCauseOnItsLine) {
    const std::vector<Rejected> rows = ReadExpected();
    int found = 0;
    int unexplained = 0;
    for (const Rejected& row : rows) {
        if (row.code == "-") {
            ++unexplained;
            // A rule that now finds it should give the row its code.
            for (const vxcheck::Diagnostic& diagnostic :
                 vxcheck::LintInput(ReadFile(kRejected / row.file), &DatabaseNames(row.database))) {
                EXPECT_NE(diagnostic.begin.line + 1, row.line)
                    << row.file << " is now flagged (" << diagnostic.code << "): give it its code";
            }
            continue;
        }
        const bool flagged = Found(row);
        found += flagged ? 1 : 0;
        EXPECT_TRUE(flagged) << row.file << ": no " << row.code << " on line " << row.line;
    }
    EXPECT_GE(rows.size(), 40U);
    std::cout << "rejected inputs whose cause lint finds on its line: " << found << " of "
              << rows.size() << "\n";
}

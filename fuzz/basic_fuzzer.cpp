// Fuzz target: any bytes as the lines of a BASIC program, read on its own and as the program of a
// USER_PRINT block through the lint engine. Every finding and name must lie inside its line.
#include "fuzz_input.h"

#include <vxcheck/input/basic.h>
#include <vxcheck/input/lint.h>

#include <string>
#include <string_view>
#include <vector>

using vxcheck::fuzz::Expect;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines = vxcheck::fuzz::SplitLines(data, size);
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    const vxcheck::BasicReport report = vxcheck::CheckBasicProgram(views);
    for (const vxcheck::BasicFinding& finding : report.findings) {
        Expect(finding.line < views.size(), "a finding is on a line of the program");
        Expect(finding.begin <= finding.end && finding.end <= views[finding.line].size(),
               "a finding lies inside its line");
        Expect(!finding.code.empty() && !finding.message.empty(), "a finding says what it is");
    }
    for (const vxcheck::BasicNameUse& name : report.names) {
        Expect(name.line < views.size() && name.end <= views[name.line].size() &&
                   views[name.line].substr(name.begin, name.end - name.begin) == name.name,
               "a name is the text it points at");
    }
    const std::string input =
        "USER_PRINT\n" + std::string(reinterpret_cast<const char*>(data), size);
    for (const vxcheck::Diagnostic& diagnostic : vxcheck::LintInput(input, nullptr)) {
        Expect(diagnostic.begin.offset <= diagnostic.end.offset &&
                   diagnostic.end.offset <= input.size() + 1,
               "a diagnostic lies inside the input");
    }
    return 0;
}

// Fuzz target: an input file of arbitrary bytes, linted with the names of data/sample.dat and
// without a database. The rules checked hold for any input: diagnostics come in text order, each
// range lies inside the text with its line and byte column counted from line feeds, each finding
// has a severity, a code of lower-case words and dashes and a message, and a second lint of the
// same bytes finds the same.
#include "fuzz_input.h"

#include <vxcheck/input/lint.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

using vxcheck::fuzz::Expect;

namespace {

const vxcheck::NameTable& SampleNames() {
    static const vxcheck::NameTable names = [] {
        const std::string path = VXCHECK_SOURCE_DIR "/data/sample.dat";
        std::ifstream file(path, std::ios::binary);
        return vxcheck::ReadDatabaseNames(std::string(std::istreambuf_iterator<char>(file), {}),
                                          path);
    }();
    return names;
}

bool PlaceIsCounted(std::string_view text, const vxcheck::TextPlace& place) {
    if (place.offset > text.size()) {
        return false;
    }
    const std::string_view before = text.substr(0, place.offset);
    const std::size_t lineStart =
        before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
    return place.line == static_cast<int>(std::count(before.begin(), before.end(), '\n')) &&
           place.column == static_cast<int>(place.offset - lineStart);
}

bool IsCode(std::string_view code) {
    return !code.empty() && code.front() != '-' && code.back() != '-' &&
           code.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-") == std::string::npos;
}

void Check(std::string_view text, const std::vector<vxcheck::Diagnostic>& diagnostics) {
    std::size_t previous = 0;
    for (const vxcheck::Diagnostic& diagnostic : diagnostics) {
        Expect(diagnostic.begin.offset >= previous, "diagnostics come in text order");
        previous = diagnostic.begin.offset;
        Expect(diagnostic.begin.offset <= diagnostic.end.offset, "a range does not run backwards");
        Expect(PlaceIsCounted(text, diagnostic.begin) && PlaceIsCounted(text, diagnostic.end),
               "a range lies in the text, its line and column counted from line feeds");
        Expect(diagnostic.severity == vxcheck::Severity::Error ||
                   diagnostic.severity == vxcheck::Severity::Warning,
               "a finding is an error or a warning");
        Expect(IsCode(diagnostic.code), "a code is lower-case words joined by dashes");
        Expect(!diagnostic.message.empty(), "a finding has a message");
    }
}

bool Same(const std::vector<vxcheck::Diagnostic>& a, const std::vector<vxcheck::Diagnostic>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.begin.offset == y.begin.offset && x.end.offset == y.end.offset &&
               x.code == y.code && x.message == y.message;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<vxcheck::Diagnostic> judged = vxcheck::LintInput(text, &SampleNames());
    Check(text, judged);
    Expect(Same(judged, vxcheck::LintInput(text, &SampleNames())),
           "a second lint of the same bytes finds the same");
    Check(text, vxcheck::LintInput(text, nullptr));
    return 0;
}

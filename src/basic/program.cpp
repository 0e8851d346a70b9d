// A whole program: each line read on its own, then what only the lines together show. PHREEQC
// keeps numbered lines in numeric order, a later line replacing an earlier one of the same
// number; an unnumbered line runs at once when the program is read.
#include "basic/parser.h"
#include "basic/tokens.h"
#include "common/ascii_case.h"

#include <vxcheck/input/basic.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace vxcheck::basic {
namespace {

struct ProgramLine {
    bool numbered = false;
    long number = 0;
    std::size_t numberBegin = 0;
    std::size_t numberEnd = 0;
    LineSyntax syntax;
};

void Add(BasicReport& report, std::size_t line, std::size_t begin, std::size_t end,
         Severity severity, std::string code, std::string message) {
    report.findings.push_back({line, begin, end, severity, std::move(code), std::move(message)});
}

class ProgramChecker {
  public:
    ProgramChecker(std::span<const std::string_view> texts, BasicReport& report)
        : m_texts(texts), m_report(report) {}

    void Run() {
        m_lines.reserve(m_texts.size());
        for (std::size_t index = 0; index < m_texts.size(); ++index) {
            ReadLine(index);
        }
        NumberLines();
        CheckJumps();
        CheckLoops();
        CheckArrays();
        std::stable_sort(m_report.findings.begin(), m_report.findings.end(),
                         [](const BasicFinding& a, const BasicFinding& b) {
                             return a.line != b.line ? a.line < b.line : a.begin < b.begin;
                         });
    }

  private:
    void ReadLine(std::size_t index) {
        TokenizeLine(m_texts[index], m_tokens);
        ProgramLine line{
            m_tokens.numbered, m_tokens.number, m_tokens.numberBegin, m_tokens.numberEnd, {}};
        if (m_tokens.rejected) {
            Add(m_report, index, m_tokens.problemBegin, m_tokens.problemEnd, Severity::Error,
                "basic-syntax", m_tokens.problem);
        } else {
            line.syntax = ParseLine(m_texts[index], m_tokens);
            if (!line.syntax.findings.empty()) {
                line.syntax.loops.clear(); // PHREEQC stops before the line's loops count
            }
            for (BasicFinding finding : line.syntax.findings) {
                finding.line = index;
                m_report.findings.push_back(std::move(finding));
            }
            for (BasicNameUse name : line.syntax.names) {
                name.line = index;
                m_report.names.push_back(name);
            }
        }
        m_lines.push_back(std::move(line));
    }

    // The order PHREEQC runs the numbered lines in, and the lines it drops.
    void NumberLines() {
        std::vector<std::pair<long, std::size_t>> numbered;
        for (std::size_t index = 0; index < m_lines.size(); ++index) {
            if (m_lines[index].numbered) {
                numbered.emplace_back(m_lines[index].number, index);
            }
        }
        std::stable_sort(numbered.begin(), numbered.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        for (std::size_t at = 0; at < numbered.size(); ++at) {
            if (at + 1 < numbered.size() && numbered[at + 1].first == numbered[at].first) {
                const ProgramLine& later = m_lines[numbered[at + 1].second];
                Add(m_report, numbered[at + 1].second, later.numberBegin, later.numberEnd,
                    Severity::Warning, "basic-duplicate-line",
                    "Line " + std::to_string(later.number) +
                        " is numbered twice; PHREEQC drops the earlier line and keeps this one.");
                continue;
            }
            m_order.push_back(numbered[at].second);
            m_numbers.push_back(numbered[at].first);
        }
    }

    bool HasLine(long number) const {
        return std::binary_search(m_numbers.begin(), m_numbers.end(), number);
    }

    void CheckJumps() {
        for (std::size_t index = 0; index < m_lines.size(); ++index) {
            for (const LineSyntax::Jump& jump : m_lines[index].syntax.jumps) {
                if (!HasLine(jump.target)) {
                    Add(m_report, index, jump.begin, jump.end, Severity::Error,
                        "basic-missing-line",
                        "There is no line " + std::to_string(jump.target) + " in this program.");
                }
            }
        }
    }

    // A FOR whose variable no later NEXT names (nor a bare NEXT) runs its body once and never
    // loops; a NEXT whose variable no FOR counts stops PHREEQC.
    void CheckLoops() {
        std::set<std::string> counted;
        for (const std::size_t index : m_order) {
            for (const LineSyntax::Loop& loop : m_lines[index].syntax.loops) {
                if (loop.isFor) {
                    counted.insert(loop.variable);
                }
            }
        }
        // The FORs still open, and how many of them count with each variable: a NEXT searches
        // only when one of them can match, so each FOR is passed over at most once.
        std::vector<std::pair<std::size_t, const LineSyntax::Loop*>> open;
        std::map<std::string, std::size_t> openCount;
        for (const std::size_t index : m_order) {
            for (const LineSyntax::Loop& loop : m_lines[index].syntax.loops) {
                if (loop.isFor) {
                    open.emplace_back(index, &loop);
                    ++openCount[loop.variable];
                    continue;
                }
                if (!loop.variable.empty() && !counted.contains(loop.variable)) {
                    Add(m_report, index, loop.begin, loop.end, Severity::Warning,
                        "basic-next-without-for",
                        "No FOR counts with " + loop.variable + ", so this NEXT stops PHREEQC.");
                }
                if (open.empty() || (!loop.variable.empty() && openCount[loop.variable] == 0)) {
                    continue;
                }
                while (!open.empty()) {
                    const std::string& variable = open.back().second->variable;
                    const bool matches = loop.variable.empty() || variable == loop.variable;
                    --openCount[variable];
                    open.pop_back();
                    if (matches) {
                        break;
                    }
                }
            }
        }
        for (const auto& [index, loop] : open) {
            Add(m_report, index, loop->begin, loop->end, Severity::Warning,
                "basic-for-without-next",
                "This FOR has no NEXT after it, so its lines run once and do not loop.");
        }
    }

    // PHREEQC takes an unknown name followed by "(" as an array of zeros; when the program never
    // fills it, a function name was almost surely meant.
    void CheckArrays() {
        std::set<std::string> filled;
        for (const ProgramLine& line : m_lines) {
            for (const LineSyntax::ArrayUse& use : line.syntax.arrays) {
                if (use.fills) {
                    filled.insert(use.name);
                }
            }
        }
        for (std::size_t index = 0; index < m_lines.size(); ++index) {
            for (const LineSyntax::ArrayUse& use : m_lines[index].syntax.arrays) {
                if (use.fills || filled.contains(use.name)) {
                    continue;
                }
                const std::string_view written =
                    m_texts[index].substr(use.begin, use.end - use.begin);
                Add(m_report, index, use.begin, use.end, Severity::Warning,
                    "basic-unknown-function", std::string(written) + SuggestionFor(use.name));
            }
        }
    }

    // The end of the message for an unfilled array, made once per name.
    const std::string& SuggestionFor(const std::string& name) {
        auto found = m_suggestions.find(name);
        if (found != m_suggestions.end()) {
            return found->second;
        }
        std::string message = " is not a function of PHREEQC's BASIC, and the program never "
                              "fills an array of that name, so it reads zeros";
        if (const std::optional<std::string_view> function = ClosestFunction(name)) {
            message += "; did you mean " + UpperWord(*function) + "?";
        } else {
            message += ".";
        }
        return m_suggestions.emplace(name, std::move(message)).first->second;
    }

    std::span<const std::string_view> m_texts;
    BasicReport& m_report;
    std::vector<ProgramLine> m_lines;
    std::vector<std::size_t> m_order;
    std::vector<long> m_numbers; // of the lines PHREEQC keeps, in order
    TokenizedLine m_tokens;
    std::map<std::string, std::string> m_suggestions;
};

} // namespace
} // namespace vxcheck::basic

namespace vxcheck {

BasicReport CheckBasicProgram(std::span<const std::string_view> lines) {
    BasicReport report;
    basic::ProgramChecker(lines, report).Run();
    return report;
}

} // namespace vxcheck

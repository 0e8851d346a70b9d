// The redox couple of SOLUTION and SOLUTION_SPREAD -redox: "pe", or two valence states of one
// element such as "Fe(2)/Fe(3)". PHREEQC stops on anything else ("Element name must be followed
// by parentheses in redox couple", "Redox couple must be two redox states of the same element"),
// and on a valence state that the database does not define.
#include "lint/lint_context.h"
#include "lint/suggest.h"

#include "input/keywords.h"

#include <optional>
#include <string>

namespace vxcheck {
namespace {

// The element of one half of a couple ("Fe" of "Fe(2)"), or nullopt when the half has no valence
// in parentheses.
std::optional<std::string_view> ElementOf(std::string_view half) {
    const std::size_t open = half.find('(');
    if (open == 0 || open == std::string_view::npos || half.back() != ')') {
        return std::nullopt;
    }
    return half.substr(0, open);
}

constexpr std::string_view kCoupleForm =
    "a redox couple is pe or two valence states of one element, such as Fe(2)/Fe(3)";

// Why a couple cannot be read, or "" when it can.
std::string CoupleProblem(std::string_view couple, const std::optional<KnownNames>& names) {
    if (LowerWord(couple) == "pe") {
        return "";
    }
    const std::size_t slash = couple.find('/');
    if (slash == std::string_view::npos) {
        return std::string(kCoupleForm);
    }
    const std::string_view halves[] = {couple.substr(0, slash), couple.substr(slash + 1)};
    const std::optional<std::string_view> first = ElementOf(halves[0]);
    const std::optional<std::string_view> second = ElementOf(halves[1]);
    if (!first || !second) {
        return std::string(kCoupleForm);
    }
    if (LowerWord(*first) != LowerWord(*second)) {
        return "a redox couple is two valence states of the same element";
    }
    for (const std::string_view half : halves) {
        if (names && names->Find(NameKind::ValenceState, half) == nullptr) {
            return std::string(half) + " is not a valence state of the database or of the input";
        }
    }
    return "";
}

} // namespace

void CheckRedoxCouples(LintContext& context) {
    const InputModel& model = context.Model();
    const bool judged = context.WholeDatabase() != nullptr;
    for (const InputBlock& block : model.blocks) {
        if (block.name != "solution" && block.name != "solution_spread") {
            continue;
        }
        for (std::size_t index = block.keyword + 1; index < block.end; ++index) {
            const InputStatement& statement = model.statements[index];
            if (statement.option != "redox" || statement.words.size() < 2 ||
                context.Silenced(index)) {
                continue;
            }
            const std::string problem = CoupleProblem(
                statement.Word(1),
                judged ? std::optional(context.NamesThrough(block.simulation)) : std::nullopt);
            if (!problem.empty()) {
                context.ReportWord(statement, 1, Severity::Error, "expected-redox-couple",
                                   "PHREEQC cannot use " + std::string(statement.Word(1)) + ": " +
                                       problem + ".");
            }
        }
    }
}

} // namespace vxcheck

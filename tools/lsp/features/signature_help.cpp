// textDocument/signatureHelp: inside the arguments of a BASIC function, the function's form with
// its parameters, its help text, and the parameter the point stands in.
#include "lsp/features/analysis.h"
#include "lsp/features/features.h"

#include <vxcheck/input/basic_position.h>
#include <vxcheck/input/help.h>

namespace vxcheck::lsp {
namespace {

// The position in a statement's text that stands at an input offset (its text's end when the
// offset lies past it).
std::size_t PositionOf(const InputStatement& statement, std::size_t offset) {
    for (std::size_t position = 0; position < statement.text.size(); ++position) {
        if (statement.OffsetOf(position) >= offset) {
            return position;
        }
    }
    return statement.text.size();
}

} // namespace

std::optional<SignatureHelp> SignatureHelpAt(const FeatureContext& context, TextPoint point) {
    const Cursor cursor = Analyze(context.document, context.outline, point);
    if (!cursor.basic) {
        return std::nullopt;
    }
    const std::size_t offset = context.document.OffsetOf(point);
    const std::size_t index = context.outline.StatementAt(offset);
    if (index == Outline::kNone) {
        return std::nullopt;
    }
    const InputStatement& statement = context.outline.Model().statements[index];
    const BasicPosition position = BasicPositionAt(statement.text, PositionOf(statement, offset));
    const BasicHelp* help = position.inCall ? FindBasicHelp(position.call.function) : nullptr;
    if (help == nullptr) {
        return std::nullopt;
    }
    SignatureInformation signature{std::string(help->form), std::string(help->text), {}};
    const std::vector<std::string_view> parameters = BasicParameters(*help);
    for (const std::string_view parameter : parameters) {
        const auto begin = static_cast<std::size_t>(parameter.data() - help->form.data());
        signature.parameters.emplace_back(begin, begin + parameter.size());
    }
    std::size_t active = position.call.argument;
    // A last parameter "..." stands for every further argument.
    if (!parameters.empty() && parameters.back() == "..." && active >= parameters.size()) {
        active = parameters.size() - 1;
    }
    return SignatureHelp{{std::move(signature)}, 0, static_cast<int>(active)};
}

} // namespace vxcheck::lsp

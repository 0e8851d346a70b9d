// textDocument/signatureHelp: inside the arguments of a BASIC function, the function's form with
// its parameters, its help text, and the parameter the point stands in.
#include "lsp/features/features.h"

#include <vxcheck/input/basic_position.h>
#include <vxcheck/input/help.h>
#include <vxcheck/input/position.h>

#include <algorithm>

namespace vxcheck::lsp {

std::optional<SignatureHelp> SignatureHelpAt(const FeatureContext& context, TextPoint point) {
    const InputModel& model = context.outline.Model();
    const InputPosition at =
        PositionAt(model, context.document.Text(), context.document.OffsetOf(point));
    if (at.statement == InputPosition::kNone ||
        std::find(at.expected.begin(), at.expected.end(), Expected::Basic) == at.expected.end()) {
        return std::nullopt;
    }
    const BasicPosition position = BasicPositionAt(model.statements[at.statement].text, at.column);
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

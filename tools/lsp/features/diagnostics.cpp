// textDocument/publishDiagnostics. Options are checked only in blocks whose options the
// vocabulary knows completely, and never in RAW and MODIFY blocks, whose component lines take
// options of their own; see docs/decisions.md.
#include "lsp/features/features.h"

namespace vxcheck::lsp {
namespace {

Diagnostic At(const FeatureContext& context, int line, Word word, std::string message) {
    return {context.document.ToRange({line, word.begin}, {line, word.end}, context.encoding),
            DiagnosticSeverity::Error, std::move(message)};
}

void CheckOptions(const FeatureContext& context, std::vector<Diagnostic>& diagnostics) {
    const std::vector<BlockSpan>& blocks = context.outline.Blocks();
    std::size_t next = 0; // the next block whose keyword has not been passed
    const BlockInfo* block = nullptr;
    std::vector<Statement> statements;
    for (int line = 0; line < context.document.LineCount(); ++line) {
        std::string_view text = context.document.Line(line);
        statements.clear();
        SplitStatements(text, line, context.outline.StartsContinued(line), statements);
        for (const Statement& statement : statements) {
            Word head = FirstWord(text, statement.begin, statement.end);
            if (next < blocks.size() && blocks[next].line == line &&
                blocks[next].keyword.begin == head.begin) {
                block = blocks[next++].info;
                continue;
            }
            std::string_view word = text.substr(head.begin, head.end - head.begin);
            if (statement.continued || block == nullptr || !block->knowsEveryOption ||
                !IsOptionWord(word)) {
                continue;
            }
            if (context.vocabulary.MatchOption(*block, word.substr(1)).empty()) {
                diagnostics.push_back(
                    At(context, line, head,
                       "Unknown option " + std::string(word) + " in " + Upper(block->name) + "."));
            }
        }
    }
}

} // namespace

std::vector<Diagnostic> Diagnostics(const FeatureContext& context, const DatabaseChoice& choice,
                                    const DatabaseStatus* status) {
    std::vector<Diagnostic> diagnostics;
    if (choice.source == DatabaseChoice::Source::Keyword && status != nullptr && !status->names) {
        const BlockSpan& block = *choice.keyword;
        diagnostics.push_back(
            At(context, block.line, {block.keyword.begin, block.headerEnd}, status->error));
    }
    const std::vector<BlockSpan>& blocks = context.outline.Blocks();
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        if (blocks[i].info->name == "database") {
            diagnostics.push_back(At(context, blocks[i].line, blocks[i].keyword,
                                     "DATABASE must be the first keyword in the input file."));
        }
    }
    CheckOptions(context, diagnostics);
    return diagnostics;
}

} // namespace vxcheck::lsp

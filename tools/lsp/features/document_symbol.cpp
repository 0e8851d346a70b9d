// textDocument/documentSymbol: one symbol per data block, named as the file writes it
// ("SOLUTION 1 Pure water"). Blocks that an END closes stand inside a simulation symbol; blocks
// after the last END stand on their own.
#include "lsp/features/features.h"

namespace vxcheck::lsp {
namespace {

DocumentSymbol BlockSymbol(const FeatureContext& context, const BlockSpan& block) {
    const Document& document = context.document;
    std::string_view line = document.Line(block.line);
    std::string written(line.substr(block.keyword.begin, block.keyword.end - block.keyword.begin));
    DocumentSymbol symbol;
    symbol.name = block.argument.empty() ? written : written + " " + block.argument;
    if (Lower(written) != block.info->name) {
        symbol.detail = Upper(block.info->name);
    }
    symbol.kind = SymbolKind::Struct;
    TextPoint start{block.line, block.keyword.begin};
    std::size_t headerEnd = block.headerEnd;
    while (headerEnd > block.keyword.end &&
           (line[headerEnd - 1] == ' ' || line[headerEnd - 1] == '\t')) {
        --headerEnd;
    }
    symbol.selectionRange = document.ToRange(start, {block.line, headerEnd}, context.encoding);
    symbol.range = document.ToRange(start, {block.lastLine, block.lastEnd}, context.encoding);
    return symbol;
}

} // namespace

std::vector<DocumentSymbol> DocumentSymbols(const FeatureContext& context) {
    std::vector<DocumentSymbol> symbols;
    std::vector<DocumentSymbol> open; // blocks since the last END
    std::string title;
    int simulation = 0;
    for (const BlockSpan& block : context.outline.Blocks()) {
        if (block.info->name != "end") {
            open.push_back(BlockSymbol(context, block));
            if (block.info->name == "title" && title.empty()) {
                title = block.argument;
            }
            continue;
        }
        if (open.empty()) {
            continue;
        }
        ++simulation;
        DocumentSymbol symbol;
        symbol.name = "Simulation " + std::to_string(simulation);
        symbol.detail = title;
        symbol.kind = SymbolKind::Namespace;
        symbol.range = {open.front().range.start, BlockSymbol(context, block).range.end};
        symbol.selectionRange = open.front().selectionRange;
        symbol.children = std::move(open);
        symbols.push_back(std::move(symbol));
        open.clear();
        title.clear();
    }
    for (DocumentSymbol& symbol : open) {
        symbols.push_back(std::move(symbol));
    }
    return symbols;
}

} // namespace vxcheck::lsp

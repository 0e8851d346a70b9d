// textDocument/documentSymbol: one symbol per data block, named as the file writes it
// ("SOLUTION 1 Pure water"), inside a symbol of its simulation; the blocks after the last END
// make a simulation too, since PHREEQC runs them at the end of the input. A block's children
// are the names it defines (rates, phases, species, master species) and SOLUTION_SPREAD's rows.
#include "lsp/features/features.h"
#include "lsp/text.h"

#include <vxcheck/input/symbols.h>

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

SymbolKind KindOf(SymbolSpace space) {
    switch (space) {
    case SymbolSpace::Phase:
        return SymbolKind::Class;
    case SymbolSpace::Rate:
        return SymbolKind::Function;
    case SymbolSpace::Element:
        return SymbolKind::Constant;
    default:
        return SymbolKind::Field;
    }
}

// The range of a statement's text in the document.
Range StatementRange(const FeatureContext& context, const InputStatement& statement) {
    const Document& document = context.document;
    return document.ToRange(document.PointAt(statement.offset),
                            document.PointAt(statement.OffsetOf(statement.text.size())),
                            context.encoding);
}

// SOLUTION_SPREAD: the first data line heads the columns (tab-separated, as PHREEQC reads
// them); each further data line is a solution, named by its "number" column when there is one.
void AddSpreadRows(const FeatureContext& context, const BlockSpan& block, DocumentSymbol& symbol) {
    const InputModel& model = context.outline.Model();
    std::size_t numberColumn = std::string::npos;
    bool headed = false;
    int row = 0;
    for (std::size_t index = block.statement + 1; index < block.end; ++index) {
        const InputStatement& statement = model.statements[index];
        if (statement.kind != StatementKind::Data || statement.words.empty()) {
            continue;
        }
        std::vector<std::string_view> cells;
        for (std::size_t at = 0; at <= statement.text.size();) {
            std::size_t tab = statement.text.find('\t', at);
            tab = tab == std::string_view::npos ? statement.text.size() : tab;
            std::string_view cell = statement.text.substr(at, tab - at);
            while (!cell.empty() && cell.front() == ' ') {
                cell.remove_prefix(1);
            }
            while (!cell.empty() && cell.back() == ' ') {
                cell.remove_suffix(1);
            }
            cells.push_back(cell);
            at = tab + 1;
        }
        if (!headed) {
            headed = true;
            for (std::size_t cell = 0; cell < cells.size(); ++cell) {
                numberColumn = Lower(cells[cell]) == "number" ? cell : numberColumn;
            }
            continue;
        }
        ++row;
        DocumentSymbol child;
        const bool numbered = numberColumn < cells.size() && !cells[numberColumn].empty();
        child.name = numbered ? "Solution " + std::string(cells[numberColumn])
                              : "Row " + std::to_string(row);
        child.kind = SymbolKind::Field;
        child.range = child.selectionRange = StatementRange(context, statement);
        symbol.children.push_back(std::move(child));
    }
}

// The names defined in a block, as its children. Each block is indexed on its own, so that the
// outline of a large input never holds the index of the whole.
void AddDefinitions(const FeatureContext& context, const BlockSpan& block, DocumentSymbol& symbol) {
    const SymbolIndex index = IndexSymbols(context.outline.Model(), block.statement, block.end);
    for (const SymbolOccurrence& occurrence : index.occurrences) {
        if (!occurrence.definition || occurrence.space == SymbolSpace::Entity) {
            continue;
        }
        DocumentSymbol child;
        child.name = std::string(occurrence.name);
        child.kind = KindOf(occurrence.space);
        const Document& document = context.document;
        child.selectionRange = document.ToRange(document.PointAt(occurrence.begin),
                                                document.PointAt(occurrence.end), context.encoding);
        child.range = child.selectionRange;
        symbol.children.push_back(std::move(child));
    }
}

} // namespace

std::vector<DocumentSymbol> DocumentSymbols(const FeatureContext& context) {
    std::vector<DocumentSymbol> symbols;
    std::vector<DocumentSymbol> open; // blocks since the last END
    std::string title;
    auto closeSimulation = [&](std::optional<Position> end) {
        DocumentSymbol symbol;
        symbol.name = "Simulation " + std::to_string(symbols.size() + 1);
        symbol.detail = title;
        symbol.kind = SymbolKind::Namespace;
        symbol.range = {open.front().range.start, end.value_or(open.back().range.end)};
        symbol.selectionRange = open.front().selectionRange;
        symbol.children = std::move(open);
        symbols.push_back(std::move(symbol));
        open.clear();
        title.clear();
    };
    for (const BlockSpan& block : context.outline.Blocks()) {
        if (block.info->name != "end") {
            open.push_back(BlockSymbol(context, block));
            if (block.info->name == "title" && title.empty()) {
                title = block.argument;
            }
            if (block.info->name == "solution_spread") {
                AddSpreadRows(context, block, open.back());
            } else {
                AddDefinitions(context, block, open.back());
            }
        } else if (!open.empty()) {
            closeSimulation(BlockSymbol(context, block).range.end);
        }
    }
    if (!open.empty()) {
        closeSimulation(std::nullopt);
    }
    return symbols;
}

} // namespace vxcheck::lsp

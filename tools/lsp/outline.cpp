// The outline is the library's input model turned into the document's lines: PHREEQC's statement
// rules ("#", ";" and "\"), its keywords and its blocks live in the library alone.
#include "lsp/outline.h"

#include <vxcheck/input/definitions.h>

#include <algorithm>

namespace vxcheck::lsp {
namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

// The input bytes of each piece of a statement, in order.
std::vector<Word> Pieces(const InputStatement& statement) {
    if (statement.pieces.empty()) { // a statement of one line
        return {{statement.offset, statement.offset + statement.text.size()}};
    }
    std::vector<Word> pieces;
    for (std::size_t i = 0; i < statement.pieces.size(); ++i) {
        const std::size_t end = i + 1 < statement.pieces.size() ? statement.pieces[i + 1].position
                                                                : statement.text.size();
        const TextPiece& piece = statement.pieces[i];
        pieces.push_back({piece.offset, piece.offset + (end - piece.position)});
    }
    return pieces;
}

// The words after the first, one blank between them.
std::string Argument(const InputStatement& statement) {
    std::string argument;
    for (std::size_t i = 1; i < statement.words.size(); ++i) {
        if (i > 1) {
            argument += ' ';
        }
        argument += statement.Word(i);
    }
    return argument;
}

} // namespace

Outline::Outline(const Document& document, const Vocabulary& vocabulary)
    : m_model(ReadInput(document.Text())) {
    const std::string& text = document.Text();
    for (const InputBlock& block : m_model.blocks) {
        const InputStatement& keyword = m_model.statements[block.keyword];
        const BlockInfo* info = vocabulary.FindBlock(keyword.Word(0));
        if (info == nullptr) {
            continue;
        }
        BlockSpan span;
        span.info = info;
        span.statement = block.keyword;
        span.end = block.end;
        const std::size_t begin = keyword.OffsetOf(keyword.words[0].begin);
        const TextPoint at = document.PointAt(begin);
        span.line = at.line;
        span.keyword = {at.byte, at.byte + keyword.words[0].end - keyword.words[0].begin};
        const Word header = Pieces(keyword).front();
        span.headerEnd = document.PointAt(header.end).line == at.line
                             ? document.PointAt(header.end).byte
                             : document.Line(at.line).size();
        span.argument = Argument(keyword);
        std::size_t last = Pieces(m_model.statements[block.end - 1]).back().end;
        while (last > begin && IsBlank(text[last - 1])) {
            --last;
        }
        const TextPoint end = document.PointAt(last);
        span.lastLine = end.line;
        span.lastEnd = end.byte;
        m_blocks.push_back(std::move(span));
    }
}

const BlockSpan* Outline::BlockAt(int line, std::size_t byte) const {
    auto after = std::upper_bound(
        m_blocks.begin(), m_blocks.end(), std::make_pair(line, byte),
        [](const std::pair<int, std::size_t>& point, const BlockSpan& block) {
            return point.first < block.line ||
                   (point.first == block.line && point.second < block.keyword.begin);
        });
    return after == m_blocks.begin() ? nullptr : &*(after - 1);
}

const SymbolIndex& Outline::Symbols() const {
    if (!m_symbols) {
        m_symbols = IndexSymbols(m_model);
    }
    return *m_symbols;
}

const NameTable& Outline::NamesBefore(std::size_t offset) const {
    const std::size_t next = NextDefinitionAt(m_model, offset);
    if (auto found = m_names.find(next); found != m_names.end()) {
        return found->second;
    }
    if (m_names.size() >= 2) {
        std::erase_if(m_names, [](const auto& entry) { return entry.first != kNone; });
    }
    NameTable& names = m_names[next];
    CollectDefinitionsBefore(m_model, offset, names);
    return names;
}

std::size_t Outline::StatementAt(std::size_t offset) const {
    const std::vector<InputStatement>& statements = m_model.statements;
    // The last statement that begins at or before offset; only it can hold offset.
    auto after = std::upper_bound(
        statements.begin(), statements.end(), offset,
        [](std::size_t at, const InputStatement& statement) { return at < statement.offset; });
    if (after == statements.begin()) {
        return kNone;
    }
    const auto index = static_cast<std::size_t>(after - statements.begin() - 1);
    const Word piece = PieceAt(index, offset);
    return piece.begin <= offset && offset <= piece.end ? index : kNone;
}

Word Outline::PieceAt(std::size_t index, std::size_t offset) const {
    const std::vector<Word> pieces = Pieces(m_model.statements[index]);
    Word found = pieces.front();
    for (const Word& piece : pieces) {
        if (piece.begin <= offset) {
            found = piece;
        }
    }
    return found;
}

} // namespace vxcheck::lsp

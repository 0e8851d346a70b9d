// The data blocks of a document as the library's input reader reads them: where each keyword
// statement stands and how far its block runs, in the document's lines; and the reader's
// statements, for the features that ask what stands at a point.
#pragma once

#include "lsp/documents.h"
#include "lsp/vocabulary.h"

#include <vxcheck/input/model.h>
#include <vxcheck/input/names.h>
#include <vxcheck/input/symbols.h>

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vxcheck::lsp {

// One block: its keyword statement and the last statement with text before the next keyword.
struct BlockSpan {
    const BlockInfo* info = nullptr;
    std::size_t statement = 0; // the keyword statement, in the input model
    std::size_t end = 0;       // one past the block's last statement
    int line = 0;              // line of the keyword
    Word keyword;              // the keyword as written
    std::size_t headerEnd = 0; // end of the keyword statement's text on its line
    std::string argument;      // rest of the keyword statement, blanks collapsed
    int lastLine = 0;          // where the block's last statement with text ends
    std::size_t lastEnd = 0;
};

class Outline {
  public:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    Outline(const Document& document, const Vocabulary& vocabulary);

    const InputModel& Model() const { return m_model; }
    const std::vector<BlockSpan>& Blocks() const { return m_blocks; }
    // The names and entity numbers of the document, indexed when first asked for.
    const SymbolIndex& Symbols() const;
    // The names that the document's own defining blocks define before offset (all of them for
    // kNone). Kept for the requests after it that would collect the same names: the whole
    // input's for hover, the last point's for completion.
    const NameTable& NamesBefore(std::size_t offset) const;
    // The block whose keyword stands at or before (line, byte), or null.
    const BlockSpan* BlockAt(int line, std::size_t byte) const;
    // The statement with a piece of text around offset (its ends included), or kNone.
    std::size_t StatementAt(std::size_t offset) const;
    // The piece of statement index that holds offset: input bytes [begin, end).
    Word PieceAt(std::size_t index, std::size_t offset) const;

  private:
    InputModel m_model;
    std::vector<BlockSpan> m_blocks;
    mutable std::optional<SymbolIndex> m_symbols;
    mutable std::map<std::size_t, NameTable> m_names; // by NextDefinitionAt, at most two
};

} // namespace vxcheck::lsp

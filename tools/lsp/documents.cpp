// Open documents and their incremental changes.
#include "lsp/documents.h"

#include <algorithm>

namespace vxcheck::lsp {
namespace {

// Lines of a text without their line ends ("\n", "\r\n" or "\r"), as the protocol counts them.
std::vector<std::string_view> SplitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || text[at] == '\r') {
            lines.push_back(text.substr(begin, at - begin));
            if (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
                ++at;
            }
            begin = at + 1;
        }
    }
    lines.push_back(text.substr(begin));
    return lines;
}

} // namespace

Document::Document(std::string uri, int version, std::string text)
    : m_uri(std::move(uri)), m_version(version), m_text(std::move(text)),
      m_lines(SplitLines(m_text)) {}

bool Document::ToPoint(Position position, PositionEncoding encoding, TextPoint& point) const {
    if (position.line < 0 || position.line >= LineCount() || position.character < 0) {
        return false;
    }
    point.line = position.line;
    point.byte =
        ByteOffset(Line(position.line), static_cast<std::size_t>(position.character), encoding);
    return true;
}

Position Document::ToPosition(TextPoint point, PositionEncoding encoding) const {
    return {point.line, static_cast<int>(Character(Line(point.line), point.byte, encoding))};
}

Range Document::ToRange(TextPoint start, TextPoint end, PositionEncoding encoding) const {
    return {ToPosition(start, encoding), ToPosition(end, encoding)};
}

TextPoint Document::PointAt(std::size_t offset) const {
    // The last line that begins at or before offset.
    auto after = std::upper_bound(
        m_lines.begin(), m_lines.end(), offset, [this](std::size_t at, std::string_view line) {
            return at < static_cast<std::size_t>(line.data() - m_text.data());
        });
    const auto line = static_cast<int>(std::max<std::ptrdiff_t>(after - m_lines.begin() - 1, 0));
    const std::string_view text = Line(line);
    const auto begin = static_cast<std::size_t>(text.data() - m_text.data());
    return {line, std::min(offset > begin ? offset - begin : 0, text.size())};
}

std::size_t Document::Offset(Position position, PositionEncoding encoding) const {
    TextPoint point;
    if (!ToPoint(position, encoding, point)) {
        return m_text.size();
    }
    return OffsetOf(point);
}

void Document::Apply(const TextDocumentContentChangeEvent& change, PositionEncoding encoding) {
    ++m_revision;
    if (!change.range) {
        m_text = change.text;
    } else {
        std::size_t begin = Offset(change.range->start, encoding);
        std::size_t end = std::max(begin, Offset(change.range->end, encoding));
        m_text.replace(begin, end - begin, change.text);
    }
    m_lines = SplitLines(m_text);
}

Document& Documents::Open(const TextDocumentItem& item) {
    m_documents.erase(item.uri);
    return m_documents.try_emplace(item.uri, item.uri, item.version, item.text).first->second;
}

Document* Documents::Find(const std::string& uri) {
    auto it = m_documents.find(uri);
    return it == m_documents.end() ? nullptr : &it->second;
}

bool Documents::Close(const std::string& uri) {
    return m_documents.erase(uri) != 0;
}

} // namespace vxcheck::lsp

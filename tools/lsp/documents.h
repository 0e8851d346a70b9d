// The open documents by URI: text, version and lines. Only did-open, did-change and did-close
// change them.
#pragma once

#include "lsp/positions.h"
#include "lsp/protocol.h"

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck::lsp {

// A place in a document as the server works with it: a line and a byte offset in that line.
struct TextPoint {
    int line = 0;
    std::size_t byte = 0;
};

// A word or piece of text: bytes [begin, end) of a line (or of the text, where said).
struct Word {
    std::size_t begin = 0;
    std::size_t end = 0;
};

class Document {
  public:
    Document(std::string uri, int version, std::string text);
    // Lines point into the text, so a document stays where it was made.
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    const std::string& Uri() const { return m_uri; }
    int Version() const { return m_version; }
    const std::string& Text() const { return m_text; }
    // Line number line (0 to LineCount() - 1) without its line end ("\n", "\r\n" or "\r").
    std::string_view Line(int line) const { return m_lines[static_cast<std::size_t>(line)]; }
    // A document has at least one line, empty when the text is.
    int LineCount() const { return static_cast<int>(m_lines.size()); }
    // Counts the changes since the document was opened, so that what was made from one text
    // can tell that it is out of date.
    unsigned Revision() const { return m_revision; }

    // The point of a client position, or false when its line lies beyond the last line. A
    // character past the end of its line stands for the line's end.
    bool ToPoint(Position position, PositionEncoding encoding, TextPoint& point) const;
    // The client position of a point.
    Position ToPosition(TextPoint point, PositionEncoding encoding) const;
    Range ToRange(TextPoint start, TextPoint end, PositionEncoding encoding) const;
    // The point of a byte offset in the text; an offset inside a line end, or past the text,
    // stands for the end of its line.
    TextPoint PointAt(std::size_t offset) const;
    // The byte offset in the text of a point of a line.
    std::size_t OffsetOf(TextPoint point) const {
        return static_cast<std::size_t>(Line(point.line).data() - m_text.data()) + point.byte;
    }

    // Replaces range (whole text when absent); a range past the end is cut at the end.
    void Apply(const TextDocumentContentChangeEvent& change, PositionEncoding encoding);
    void SetVersion(int version) { m_version = version; }

  private:
    std::size_t Offset(Position position, PositionEncoding encoding) const;

    std::string m_uri;
    int m_version;
    std::string m_text;
    std::vector<std::string_view> m_lines;
    unsigned m_revision = 0;
};

class Documents {
  public:
    // Opens (or reopens) a document and returns it.
    Document& Open(const TextDocumentItem& item);
    // The open document with this URI, or null.
    Document* Find(const std::string& uri);
    // Closes a document; false when it was not open.
    bool Close(const std::string& uri);
    // Every open document, by URI.
    std::map<std::string, Document>& All() { return m_documents; }

  private:
    std::map<std::string, Document> m_documents;
};

} // namespace vxcheck::lsp

// Cvx_DbReader: the database text as words and statements, one byte at a time through the C
// runtime's buffered stream, with the text-mode rules applied by the reader itself.
#include <vxcheck/db_reader.h>

#include "database/database_stream.h"

#include <string>

namespace {

#if defined(_WIN32)
// The Windows runtime has no getc_unlocked; a stream is read by one thread at a time all the same.
#define getc_unlocked _getc_nolock
#endif

// Byte 26 (Ctrl-Z) ends a database file as if nothing followed it.
constexpr int kEndOfFileByte = 26;

// The next character of stream after line-end translation, or EOF. The stream is closed, and
// left null, by the read that meets the end, fails, or meets byte 26: a reader is at its end
// exactly when it holds no stream (docs/decisions.md, "Closing the database file"). Kept here,
// not as a member, so that the word and statement loops can inline it.
inline int NextChar(std::FILE*& stream) {
    if (stream == nullptr) {
        return EOF;
    }
    int ch = getc_unlocked(stream);
    if (ch == '\r') {
        const int next = getc_unlocked(stream);
        if (next == '\n') {
            return '\n';
        }
        if (next != EOF) {
            std::ungetc(next, stream);
            return '\r'; // a carriage return alone is an ordinary character
        }
        // The carriage return is the last character. No operation ends on an ordinary
        // character, so closing now is seen only once the next read has met the end.
        std::fclose(stream);
        stream = nullptr;
        return '\r';
    }
    if (ch == EOF || ch == kEndOfFileByte) {
        std::fclose(stream);
        stream = nullptr;
        ch = EOF;
    }
    return ch;
}

// Consumes characters up to and including the first one that is stop (or a line feed), or to the
// end.
inline void SkipPast(std::FILE*& stream, int stop) {
    int ch = NextChar(stream);
    while (ch != EOF && ch != '\n' && ch != stop) {
        ch = NextChar(stream);
    }
}

// The characters of one word or statement: on the stack while they fit, so that a piece costs
// one allocation at most, that of the string it becomes.
class Piece {
  public:
    void Append(char ch) {
        if (length < sizeof local) {
            local[length++] = ch;
            return;
        }
        if (longer.empty()) {
            longer.assign(local, length);
        }
        longer += ch;
    }
    bool IsEmpty() const { return length == 0; }
    CString Take() const {
        return longer.empty() ? CString(local, static_cast<int>(length))
                              : CString(longer.data(), static_cast<int>(longer.size()));
    }

  private:
    // cppcheck-suppress uninitMemberVarPrivate ; only the first length bytes are ever read
    char local[256];
    std::size_t length = 0;
    std::string longer;
};

// A word (Statement false) or a statement read whole (Statement true). A word also ends at a blank
// or a tab; in a statement blanks stay where they are, leading and trailing ones included, and a
// tab stands for one blank. A comment ends either, taking its line feed along.
template <bool Statement> CString ReadPiece(std::FILE*& stream) {
    Piece text;
    for (;;) {
        const int ch = NextChar(stream);
        if (ch == EOF) {
            break;
        }
        if (ch == ';' || ch == '\n' || ch == '#' || (!Statement && (ch == ' ' || ch == '\t'))) {
            if (ch == '#') {
                SkipPast(stream, '\n');
            }
            // Separators, empty lines and comments between two pieces are passed over.
            if (!text.IsEmpty() || stream == nullptr) {
                break;
            }
            continue;
        }
        text.Append((Statement && ch == '\t') ? ' ' : static_cast<char>(ch));
    }
    return text.Take();
}

} // namespace

int Cvx_DbReader::Open(CString newPath) {
    path = newPath;
    stream = vxcheck::detail::OpenDatabaseStream(path.GetString());
    return stream != nullptr ? 1 : 0;
}

void Cvx_DbReader::Close() {
    if (stream != nullptr) {
        std::fclose(stream);
        stream = nullptr;
    }
}

bool Cvx_DbReader::AtEnd() {
    return stream == nullptr;
}

CString Cvx_DbReader::ReadWord() {
    return ReadPiece<false>(stream);
}

CString Cvx_DbReader::ReadStatement() {
    return ReadPiece<true>(stream);
}

void Cvx_DbReader::SkipLine() {
    SkipPast(stream, '\n');
}

void Cvx_DbReader::SkipStatement() {
    SkipPast(stream, ';');
}

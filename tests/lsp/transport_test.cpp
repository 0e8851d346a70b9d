// Content-Length framing on strings: reading, recovery after bad headers, and writing.
#include "lsp/transport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vxcheck::lsp {
namespace {

using Status = ReadResult::Status;

TEST(Transport, ReadsMessagesWithAnyHeaderOrderAndLineEnd) {
    std::istringstream in("Content-Type: application/vscode-jsonrpc\r\ncontent-length:  2\r\n\r\n{}"
                          "\n\nContent-Length: 3\n\n[1]");
    MessageReader reader(in);
    ReadResult first = reader.Read();
    EXPECT_EQ(first.status, Status::Message);
    EXPECT_EQ(first.body, "{}");
    EXPECT_EQ(reader.Read().body, "[1]");
    EXPECT_EQ(reader.Read().status, Status::End);
}

TEST(Transport, ResumesAtTheNextHeaderAfterABadOne) {
    std::istringstream in("Content-Length: 1x\r\n\r\n{}Content-Length: 2\r\n\r\nok"
                          "garbage\r\n\r\n"
                          "Content-Length: 99999999999999999999\r\n\r\n"
                          "Content-Length: 268435457\r\n\r\n"
                          "Content-Length: 5\r\n\r\nabc");
    MessageReader reader(in);
    EXPECT_EQ(reader.Read().status, Status::Malformed);
    ReadResult resumed = reader.Read();
    EXPECT_EQ(resumed.status, Status::Message);
    EXPECT_EQ(resumed.body, "ok");
    EXPECT_EQ(reader.Read().error, "bad header line");
    EXPECT_EQ(reader.Read().error, "bad Content-Length value");
    EXPECT_EQ(reader.Read().error, "Content-Length too large");
    EXPECT_EQ(reader.Read().status, Status::End); // the body ends early
}

TEST(Transport, BodiesOfSeveralMegabytesAreReadWholeOrNotAtAll) {
    std::string body(3 * 1024 * 1024 + 17, 'x');
    body.back() = 'y';
    std::istringstream in("Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body +
                          "Content-Length: " + std::to_string(body.size() + 1) + "\r\n\r\n" + body);
    MessageReader reader(in);
    ReadResult whole = reader.Read();
    EXPECT_EQ(whole.status, ReadResult::Status::Message);
    EXPECT_EQ(whole.body, body);
    EXPECT_EQ(reader.Read().status, ReadResult::Status::End); // one byte short
}

TEST(Transport, WritesTheHeaderAndTellsWhatIsPending) {
    std::ostringstream out;
    WriteMessage(out, "{\"a\":1}");
    EXPECT_EQ(out.str(), "Content-Length: 7\r\n\r\n{\"a\":1}");

    std::istringstream in(out.str());
    MessageReader reader(in);
    EXPECT_TRUE(reader.HasPending());
    reader.Read();
    EXPECT_FALSE(reader.HasPending());
}

} // namespace
} // namespace vxcheck::lsp

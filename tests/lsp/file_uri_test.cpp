// File URIs to paths and back, in both systems' forms, whatever the machine.
#include "lsp/file_uri.h"

#include <gtest/gtest.h>

namespace vxcheck::lsp {
namespace {

constexpr PathStyle kPosix = PathStyle::Posix;
constexpr PathStyle kWindows = PathStyle::Windows;

TEST(FileUri, PosixPaths) {
    EXPECT_EQ(FilePath("file:///a%20b/c%2", kPosix), "/a b/c%2");
    EXPECT_EQ(FilePath("file://localhost/x.pqi", kPosix), "/x.pqi");
    EXPECT_EQ(FilePath("file:///C:/x.pqi", kPosix), "/C:/x.pqi");
    EXPECT_EQ(FilePath("file:///caf%C3%A9/x.dat", kPosix), "/caf\xC3\xA9/x.dat");
    EXPECT_EQ(FilePath("untitled:Untitled-1", kPosix), std::nullopt);
    EXPECT_EQ(FilePath("file://host-only", kPosix), std::nullopt);

    EXPECT_EQ(FileUri("/a b/c#d.dat", kPosix), "file:///a%20b/c%23d.dat");
    EXPECT_EQ(FileUri("/caf\xC3\xA9/x:y\\z.dat", kPosix), "file:///caf%C3%A9/x%3Ay%5Cz.dat");
}

TEST(FileUri, WindowsDrives) {
    // The colon plain or escaped, the letter in either case, with or without "localhost".
    for (const char* uri : {"file:///C:/dir/a%20b.dat", "file:///c%3A/dir/a%20b.dat",
                            "file:///c%3a/dir/a b.dat", "file://localhost/C:/dir/a%20b.dat",
                            "file://C:/dir/a%20b.dat", "file:///C|/dir/a%20b.dat"}) {
        EXPECT_EQ(FilePath(uri, kWindows), "C:\\dir\\a b.dat") << uri;
    }
    EXPECT_EQ(FilePath("file:///D:", kWindows), "D:\\");
    EXPECT_EQ(FilePath("file:///d%3A/caf%C3%A9.dat", kWindows), "D:\\caf\xC3\xA9.dat");
    // No drive: the root of the current one.
    EXPECT_EQ(FilePath("file:///work/x.pqi", kWindows), "\\work\\x.pqi");

    EXPECT_EQ(FileUri("C:\\dir\\a b.dat", kWindows), "file:///C:/dir/a%20b.dat");
    EXPECT_EQ(FileUri("c:/dir/caf\xC3\xA9.dat", kWindows), "file:///c:/dir/caf%C3%A9.dat");
    EXPECT_EQ(FileUri("\\work\\x.pqi", kWindows), "file:///work/x.pqi");
}

TEST(FileUri, WindowsSharesAndRoundTrips) {
    EXPECT_EQ(FilePath("file://server/share/x.dat", kWindows), "\\\\server\\share\\x.dat");
    EXPECT_EQ(FilePath("file://my%20server/share/a%20b.dat", kWindows),
              "\\\\my server\\share\\a b.dat");
    EXPECT_EQ(FileUri("\\\\server\\share\\x.dat", kWindows), "file://server/share/x.dat");

    for (const char* path : {"C:\\dir\\a b.dat", "\\\\server\\share\\x 1\\y.dat",
                             "E:\\\xC3\xA9t\xC3\xA9 #1\\db%.dat"}) {
        EXPECT_EQ(FilePath(FileUri(path, kWindows), kWindows), path);
    }
    EXPECT_EQ(FilePath(FileUri("/x y/%z#.dat", kPosix), kPosix), "/x y/%z#.dat");
}

} // namespace
} // namespace vxcheck::lsp

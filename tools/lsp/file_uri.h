// File paths and the file: URIs that name them, in the form of either system, so that both are
// tested on any machine. The server uses its own system's form (kNativePathStyle).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vxcheck::lsp {

enum class PathStyle { Posix, Windows };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The path that a file: URI names, percent escapes decoded (non-ASCII names come out as UTF-8);
// nothing for other schemes or a URI without a path. POSIX takes any host for this machine.
// Windows: "file:///c%3A/a%20b.dat" is "C:\a b.dat" (the drive letter in upper case), and
// "file://server/share/x.dat" is "\\server\share\x.dat"; "localhost" names this machine.
std::optional<std::string> FilePath(std::string_view uri, PathStyle style = kNativePathStyle);

// The file: URI of an absolute path, each byte other than a letter, a digit or "-._~/" escaped
// (a UTF-8 name byte by byte). Windows: backslashes are separators, a drive ("C:") is kept as
// written, and a UNC path's server ("\\server\share") becomes the URI's host.
std::string FileUri(std::string_view path, PathStyle style = kNativePathStyle);

} // namespace vxcheck::lsp

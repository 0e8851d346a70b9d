// A Windows path is carried in a URI with slashes for its separators: "C:\a" as "/C:/a", and a
// UNC path's server as the URI's host. Clients write the drive's colon plain or as "%3A" and its
// letter in either case; the path takes the letter in upper case, so that one file has one path.
#include "lsp/file_uri.h"

#include <algorithm>

namespace vxcheck::lsp {
namespace {

constexpr std::string_view kScheme = "file://";

int HexValue(char ch) {
    if (ch >= '0' && ch <= '9') {
        return ch - '0';
    }
    if (ch >= 'a' && ch <= 'f') {
        return ch - 'a' + 10;
    }
    if (ch >= 'A' && ch <= 'F') {
        return ch - 'A' + 10;
    }
    return -1;
}

// The text with its percent escapes decoded; a "%" without two hex digits stays as it is.
std::string Decoded(std::string_view text) {
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '%' && at + 2 < text.size() && HexValue(text[at + 1]) >= 0 &&
            HexValue(text[at + 2]) >= 0) {
            bytes += static_cast<char>(HexValue(text[at + 1]) * 16 + HexValue(text[at + 2]));
            at += 2;
        } else {
            bytes += text[at];
        }
    }
    return bytes;
}

bool IsLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

// Whether text begins with a drive, "C:" or the old "C|", alone or before a slash.
bool StartsWithDrive(std::string_view text) {
    return text.size() >= 2 && IsLetter(text[0]) && (text[1] == ':' || text[1] == '|') &&
           (text.size() == 2 || text[2] == '/' || text[2] == '\\');
}

bool IsUnreserved(char ch) {
    return IsLetter(ch) || (ch >= '0' && ch <= '9') || ch == '-' || ch == '.' || ch == '_' ||
           ch == '~' || ch == '/';
}

void AppendEscaped(std::string& uri, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (char ch : text) {
        if (IsUnreserved(ch)) {
            uri += ch;
        } else {
            const auto byte = static_cast<unsigned char>(ch);
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
}

bool IsLocalHost(std::string_view host) {
    constexpr std::string_view kLocal = "localhost";
    return host.empty() ||
           std::equal(host.begin(), host.end(), kLocal.begin(), kLocal.end(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
}

std::string WindowsPath(std::string_view host, std::string path) {
    if (!IsLocalHost(host)) {
        path = "//" + Decoded(host) + path;
    } else if (StartsWithDrive(std::string_view(path).substr(1))) {
        path.erase(0, 1);
        path[0] = static_cast<char>(path[0] >= 'a' ? path[0] - 32 : path[0]);
        path[1] = ':';
        if (path.size() == 2) {
            path += '/';
        }
    }
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

std::optional<std::string> FilePath(std::string_view uri, PathStyle style) {
    if (uri.substr(0, kScheme.size()) != kScheme) {
        return std::nullopt;
    }
    uri.remove_prefix(kScheme.size());
    const std::size_t slash = uri.find('/');
    if (slash == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view host = uri.substr(0, slash);
    std::string path = Decoded(uri.substr(slash));
    if (style == PathStyle::Posix) {
        return path;
    }
    if (StartsWithDrive(Decoded(host))) { // "file://C:/a", written without the empty host
        path = "/" + Decoded(host) + path;
        host = {};
    }
    return WindowsPath(host, std::move(path));
}

std::string FileUri(std::string_view path, PathStyle style) {
    std::string uri(kScheme);
    if (style == PathStyle::Posix) {
        AppendEscaped(uri, path);
        return uri;
    }
    std::string slashed(path);
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::string_view rest = slashed;
    if (rest.substr(0, 2) == "//") { // \\server\share\x: the server is the host
        rest.remove_prefix(2);
        const std::size_t end = std::min(rest.find('/'), rest.size());
        AppendEscaped(uri, rest.substr(0, end));
        rest.remove_prefix(end);
    } else if (StartsWithDrive(rest)) {
        uri += '/';
        uri += rest.substr(0, 1);
        uri += ':';
        rest.remove_prefix(2);
    }
    AppendEscaped(uri, rest);
    return uri;
}

} // namespace vxcheck::lsp

// The texts vxcheck prints about itself: its usage line, its help and its version.
#pragma once

#include <string_view>

namespace vxcheck::cli {

// "usage: vxcheck ..." and a line feed.
std::string_view UsageText();
// The usage, every option and every command; printed by --help.
std::string_view HelpText();
// "vxcheck " and the version, and a line feed; printed by --version.
std::string_view VersionText();

} // namespace vxcheck::cli

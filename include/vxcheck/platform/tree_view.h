// The tree-view control's item handles, structures, messages and styles: the system's own on
// Windows, the library's own elsewhere (linux/tree_view.h), with the same names and values.
#pragma once

#if defined(_WIN32)
#include <vxcheck/platform/windows/tree_view.h>
#else
#include <vxcheck/platform/linux/tree_view.h>
#endif

// The Windows integer, pointer and handle types with their Windows names and sizes: the system's
// own on Windows, the library's own elsewhere (linux/win_types.h), with the same names and values.
#pragma once

#if defined(_WIN32)
#include <vxcheck/platform/windows/win_types.h>
#else
#include <vxcheck/platform/linux/win_types.h>
#endif

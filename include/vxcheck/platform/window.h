// Window creation, destruction and SendMessageA: the system's own on
// Windows, the library's own elsewhere (linux/window.h), with the same names and values.
#pragma once

#if defined(_WIN32)
#include <vxcheck/platform/windows/window.h>
#else
#include <vxcheck/platform/linux/window.h>
#endif

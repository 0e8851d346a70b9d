// The system's windows: CreateWindowExA, DestroyWindow, IsWindow and SendMessageA of user32, and
// the WS_ styles, as the system headers declare them.
#pragma once

#include <vxcheck/platform/windows/win_types.h>

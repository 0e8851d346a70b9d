// The Windows integer, pointer and handle types, as the system headers define them.
#pragma once

#include <windows.h>

// Every text of the library is 8-bit, so LPTSTR must be LPSTR and TVITEM must be TVITEMA.
#if defined(UNICODE)
#error "vxcheck is built and used without UNICODE: its texts are 8-bit (LPSTR)"
#endif

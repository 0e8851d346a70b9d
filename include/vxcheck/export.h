// VXCHECK_API marks what the shared library exports to hosts: the classes and functions of the
// public headers. The library is built with hidden visibility, so whatever is not marked stays
// inside it. On Windows the DLL exports them (VXCHECK_EXPORTS while it is built) and a host
// imports them, unless it links the objects statically (VXCHECK_STATIC).
#pragma once

#if defined(_WIN32)
#if defined(VXCHECK_EXPORTS)
#define VXCHECK_API __declspec(dllexport)
#elif defined(VXCHECK_STATIC)
#define VXCHECK_API
#else
#define VXCHECK_API __declspec(dllimport)
#endif
#else
#define VXCHECK_API __attribute__((visibility("default")))
#endif

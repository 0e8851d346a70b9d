// The library's entry: what it does when the process loads it, unloads it, or starts and ends a
// thread. The loader runs it with the library's own module record.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/afx_module.h>
#include <vxcheck/platform/win_types.h>

namespace vxcheck {

// At DLL_PROCESS_ATTACH registers the library of instance with the framework under record:
// 1, or 0 when the framework refuses the record (nothing is registered then). At
// DLL_PROCESS_DETACH unregisters it: 1. Any other reason does nothing: 1.
VXCHECK_API BOOL ExtensionLibraryEntry(AFX_EXTENSION_MODULE& record, HINSTANCE instance,
                                       DWORD reason);

} // namespace vxcheck

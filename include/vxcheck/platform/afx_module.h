// The framework's extension-library registration: the module record that a library keeps, the
// CDynLinkLibrary object that stands for a registered library, and the module state that lists
// them. A library's entry registers at process attach and unregisters at process detach.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/platform/win_types.h>

// Reasons with which the loader calls a library's entry (on Windows, the system's own).
#if !defined(_WIN32)
constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;
constexpr DWORD DLL_THREAD_ATTACH = 2;
constexpr DWORD DLL_THREAD_DETACH = 3;
#endif

// One per extension library, zero-filled at load.
struct AFX_EXTENSION_MODULE {
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
};

class CDynLinkLibrary;

// The framework's record of the process: the registered extension libraries, newest first.
struct AFX_MODULE_STATE {
    CDynLinkLibrary* m_libraryList;
};

// The process's module state; never null.
VXCHECK_API AFX_MODULE_STATE* AfxGetModuleState();

// Fills the record for the library with instance handle module: TRUE, or FALSE (and the record
// untouched) when module is null.
VXCHECK_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module);
// Deletes the CDynLinkLibrary objects of the record's library (of every library when all is
// TRUE) and marks the record uninitialised. Does nothing for an uninitialised record.
VXCHECK_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all = FALSE);

// A registered extension library: constructing one adds it to the module state's list,
// destroying it removes it. The framework owns it once made; AfxTermExtensionModule deletes it.
class VXCHECK_API CDynLinkLibrary {
  public:
    // cppcheck-suppress noExplicitConstructor ; implicit, as the framework's
    CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system = FALSE);
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL; // the next registered library, or null
};

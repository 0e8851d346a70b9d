// The library's entry and the start-up and shut-down hooks through which the loader runs it when
// the process loads and unloads the library.
#include <vxcheck/library_entry.h>

#include <dlfcn.h>

#include <new>

BOOL vxcheck::ExtensionLibraryEntry(AFX_EXTENSION_MODULE& record, HINSTANCE instance,
                                    DWORD reason) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        if (!AfxInitExtensionModule(record, instance)) {
            return 0;
        }
        // The framework owns the object from here on and deletes it at unregistration. If it
        // cannot be made, the library still loads, unregistered.
        new (std::nothrow) CDynLinkLibrary(record, FALSE);
        return 1;
    case DLL_PROCESS_DETACH:
        AfxTermExtensionModule(record, FALSE);
        return 1;
    default:
        return 1;
    }
}

namespace {

// The library's module record; zero-filled at load. Internal, so that every loaded copy of the
// library registers under a record of its own.
AFX_EXTENSION_MODULE extensionModule;

// The instance handle of this loaded copy of the library: its load address.
HINSTANCE OwnInstance() {
    Dl_info info{};
    if (dladdr(&extensionModule, &info) == 0) {
        return nullptr;
    }
    return static_cast<HINSTANCE>(info.dli_fbase);
}

} // namespace

// Hidden, so that the hooks of each loaded copy run that copy's entry.
extern "C" __attribute__((visibility("hidden"))) BOOL DllMain(HINSTANCE instance, DWORD reason,
                                                              LPVOID /*reserved*/) {
    return vxcheck::ExtensionLibraryEntry(extensionModule, instance, reason);
}

namespace {

// The loader cannot refuse a load from here, so a failed registration leaves the library loaded
// and unregistered. The entry needs no static object of the library, so the order among the
// library's static initialisers does not matter.
__attribute__((constructor)) void AttachProcess() {
    DllMain(OwnInstance(), DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void DetachProcess() {
    DllMain(OwnInstance(), DLL_PROCESS_DETACH, nullptr);
}

} // namespace

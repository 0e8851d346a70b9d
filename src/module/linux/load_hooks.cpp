// The start-up and shut-down hooks through which the loader runs the library's entry when the
// process loads and unloads the shared library: a DllMain of our own, reached from the ELF
// loader's constructor and destructor functions.
#include <vxcheck/library_entry.h>

#include <dlfcn.h>

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

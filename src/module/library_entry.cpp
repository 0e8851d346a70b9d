// The library's entry: what registering with the framework at load and unregistering at unload
// mean. The loader reaches it through DllMain (windows/dll_main.cpp, linux/load_hooks.cpp).
#include <vxcheck/library_entry.h>

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

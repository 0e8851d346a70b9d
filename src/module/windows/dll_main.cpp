// The DLL's entry point: the loader calls DllMain when a process loads and unloads vxcheck.dll
// (and when threads start and end), with the DLL's instance handle.
#include <vxcheck/library_entry.h>

namespace {

// The DLL's module record; zero-filled at load. Each loaded copy of the DLL has its own.
AFX_EXTENSION_MODULE extensionModule;

} // namespace

// The loader holds its lock while DllMain runs: registration only links an object into a list,
// and loads nothing. A FALSE answer at DLL_PROCESS_ATTACH makes LoadLibrary fail, as a DLL whose
// framework refuses it should.
extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    return vxcheck::ExtensionLibraryEntry(extensionModule, instance, reason);
}

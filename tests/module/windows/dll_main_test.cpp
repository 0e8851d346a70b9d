// DllMain: the system's loader runs the DLL's entry, which registers each loaded copy of
// vxcheck.dll with the framework of that copy, and unregisters it when the copy is unloaded.
#include <vxcheck/platform/afx_module.h>

#include "platform/registered_libraries.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

TEST(DllMain, RegisteredTheLinkedDllWhenTheProcessLoadedIt) {
    HMODULE linked = nullptr;
    ASSERT_TRUE(GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                       GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                                   reinterpret_cast<LPCSTR>(&AfxGetModuleState), &linked));
    EXPECT_EQ(linked, GetModuleHandleA("vxcheck.dll"));
    EXPECT_TRUE(IsRegistered(linked));
}

// A copy of the DLL under another name is a second module with a framework of its own: LoadLibrary
// runs its DllMain, which registers the copy there, under the handle that LoadLibrary returns.
TEST(DllMain, RegistersEachLoadedCopyAndUnloadsCleanly) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("vxcheck-entry-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path copy = folder / "vxcheck-copy.dll";
    std::filesystem::copy_file(VXCHECK_LIBRARY_FILE, copy,
                               std::filesystem::copy_options::overwrite_existing);

    const std::vector<HMODULE> before = RegisteredLibraries();
    const HMODULE loaded = LoadLibraryA(copy.string().c_str());
    ASSERT_NE(loaded, nullptr) << GetLastError();
    using StateOf = AFX_MODULE_STATE* (*)();
    const auto copyState = reinterpret_cast<StateOf>(
        reinterpret_cast<void*>(GetProcAddress(loaded, "_Z17AfxGetModuleStatev")));
    ASSERT_NE(copyState, nullptr);
    ASSERT_NE(copyState(), AfxGetModuleState());
    const CDynLinkLibrary* registered = copyState()->m_libraryList;
    ASSERT_NE(registered, nullptr);
    EXPECT_EQ(registered->m_hModule, loaded);
    EXPECT_EQ(registered->m_pNextDLL, nullptr);
    EXPECT_EQ(RegisteredLibraries(), before); // the linked DLL's framework saw nothing

    EXPECT_TRUE(FreeLibrary(loaded));
    EXPECT_EQ(GetModuleHandleA("vxcheck-copy.dll"), nullptr);
    EXPECT_EQ(RegisteredLibraries(), before);
    std::filesystem::remove_all(folder);
}

} // namespace

// The load hooks: the library registers with the framework when a process loads it, and
// unregisters when it unloads it.
#include <vxcheck/library_entry.h>
#include <vxcheck/platform/afx_module.h>

#include "platform/registered_libraries.h"

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

// The copy that the load test opens defines every exported global a second time, by design; its
// references to them resolve to the loaded library's, which AddressSanitizer would report as a
// breach of the one-definition rule.
extern "C" const char* __asan_default_options() {
    return "detect_odr_violation=0";
}

namespace {

TEST(LibraryEntry, RegisteredTheLinkedLibraryWhenTheProcessLoadedIt) {
    Dl_info info{};
    ASSERT_NE(dladdr(reinterpret_cast<void*>(&AfxGetModuleState), &info), 0);
    EXPECT_TRUE(IsRegistered(static_cast<HMODULE>(info.dli_fbase)));
}

// A fresh copy of the library file is a library that this process has not loaded yet. Its
// framework calls resolve to the framework already loaded, as a host's framework is shared by
// every extension library, so the registration shows in this process's module state.
TEST(LibraryEntry, RegistersAtLoadAndUnregistersAtUnload) {
    char pattern[] = "/tmp/vxcheck-entry-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path folder = pattern;
    const std::filesystem::path copy = folder / "libvxcheck-copy.so";
    std::filesystem::copy_file(VXCHECK_LIBRARY_FILE, copy);

    const std::vector<HMODULE> before = RegisteredLibraries();
    void* handle = dlopen(copy.c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr) << dlerror();
    link_map* loaded = nullptr;
    ASSERT_EQ(dlinfo(handle, RTLD_DI_LINKMAP, &loaded), 0);
    const auto instance = reinterpret_cast<HMODULE>(loaded->l_addr);
    EXPECT_EQ(RegisteredLibraries(), Then({instance}, before));

    EXPECT_EQ(dlclose(handle), 0);
    EXPECT_EQ(RegisteredLibraries(), before);
    std::filesystem::remove_all(folder);
}

} // namespace

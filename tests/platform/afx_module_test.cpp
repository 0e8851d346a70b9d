// The framework's registration of extension libraries: records, the library list, and
// unregistration by instance handle.
#include <vxcheck/platform/afx_module.h>

#include "platform/registered_libraries.h"

#include <gtest/gtest.h>

namespace {

TEST(AfxModule, UnregistersTheLibrariesOfOneRecordOnly) {
    const std::vector<HMODULE> before = RegisteredLibraries();
    AFX_EXTENSION_MODULE refused{};
    EXPECT_FALSE(AfxInitExtensionModule(refused, nullptr));
    AfxTermExtensionModule(refused, TRUE); // an uninitialised record unregisters nothing
    EXPECT_EQ(RegisteredLibraries(), before);

    const auto one = reinterpret_cast<HMODULE>(ULONG_PTR{0x1000});
    const auto two = reinterpret_cast<HMODULE>(ULONG_PTR{0x2000});
    AFX_EXTENSION_MODULE first{};
    AFX_EXTENSION_MODULE second{};
    ASSERT_TRUE(AfxInitExtensionModule(first, one));
    ASSERT_TRUE(AfxInitExtensionModule(second, two));
    new CDynLinkLibrary(first);
    new CDynLinkLibrary(second);
    new CDynLinkLibrary(first);
    EXPECT_EQ(RegisteredLibraries(), Then({one, two, one}, before));

    AfxTermExtensionModule(first);
    EXPECT_EQ(RegisteredLibraries(), Then({two}, before));
    EXPECT_FALSE(first.bInitialized);
    AfxTermExtensionModule(second);
    EXPECT_EQ(RegisteredLibraries(), before);
}

} // namespace

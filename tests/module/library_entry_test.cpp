// The library's entry: what it registers with the framework, and unregisters, for each reason the
// loader gives. How the loader reaches it is tested per system (linux/, windows/).
#include <vxcheck/library_entry.h>
#include <vxcheck/platform/afx_module.h>

#include "platform/registered_libraries.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(LibraryEntry, AnswersEachReason) {
    const std::vector<HMODULE> before = RegisteredLibraries();
    AFX_EXTENSION_MODULE refused{};
    EXPECT_EQ(vxcheck::ExtensionLibraryEntry(refused, nullptr, DLL_PROCESS_ATTACH), 0);
    EXPECT_EQ(RegisteredLibraries(), before);

    AFX_EXTENSION_MODULE record{};
    const auto instance = reinterpret_cast<HINSTANCE>(ULONG_PTR{0x5000});
    EXPECT_EQ(vxcheck::ExtensionLibraryEntry(record, instance, DLL_PROCESS_ATTACH), 1);
    EXPECT_TRUE(IsRegistered(instance));
    EXPECT_EQ(vxcheck::ExtensionLibraryEntry(record, instance, DLL_THREAD_ATTACH), 1);
    EXPECT_EQ(vxcheck::ExtensionLibraryEntry(record, instance, DLL_THREAD_DETACH), 1);
    EXPECT_TRUE(IsRegistered(instance));
    EXPECT_EQ(vxcheck::ExtensionLibraryEntry(record, instance, DLL_PROCESS_DETACH), 1);
    EXPECT_EQ(RegisteredLibraries(), before);
}

} // namespace

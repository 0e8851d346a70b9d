// Test helper: the extension libraries registered with the framework, as their instance handles.
#pragma once

#include <vxcheck/platform/afx_module.h>

#include <vector>

// The instance handles of the registered libraries, newest first.
inline std::vector<HMODULE> RegisteredLibraries() {
    std::vector<HMODULE> modules;
    for (CDynLinkLibrary* library = AfxGetModuleState()->m_libraryList; library != nullptr;
         library = library->m_pNextDLL) {
        modules.push_back(library->m_hModule);
    }
    return modules;
}

// newer, followed by before: the list after newer registrations.
inline std::vector<HMODULE> Then(std::vector<HMODULE> newer, const std::vector<HMODULE>& before) {
    newer.insert(newer.end(), before.begin(), before.end());
    return newer;
}

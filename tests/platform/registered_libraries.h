// Test helper: the extension libraries registered with the framework, as their instance handles.
#pragma once

#include <vxcheck/platform/afx_module.h>

#include <algorithm>
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

// Whether the library of instance handle module is registered, exactly once.
inline bool IsRegistered(HMODULE module) {
    const std::vector<HMODULE> modules = RegisteredLibraries();
    return std::count(modules.begin(), modules.end(), module) == 1;
}

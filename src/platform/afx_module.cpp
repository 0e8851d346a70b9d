// The framework's extension-library registration: the module state and its list of libraries.
// The framework keeps no class or factory registrations, so loading a library moves nothing else.
#include <vxcheck/platform/afx_module.h>

namespace {

// Zero-filled before anything runs; holds only pointers, so nothing runs at its end either.
AFX_MODULE_STATE moduleState;

} // namespace

AFX_MODULE_STATE* AfxGetModuleState() {
    return &moduleState;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE module) {
    // A library without an instance handle cannot be told apart from others at unregistration.
    if (module == nullptr) {
        return FALSE;
    }
    state.hModule = module;
    state.hResource = module;
    state.bInitialized = TRUE;
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL all) {
    if (!state.bInitialized) {
        return;
    }
    CDynLinkLibrary* library = AfxGetModuleState()->m_libraryList;
    while (library != nullptr) {
        CDynLinkLibrary* next = library->m_pNextDLL;
        if (all || library->m_hModule == state.hModule) {
            delete library; // unlinks itself
        }
        library = next;
    }
    state.bInitialized = FALSE;
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL system)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(system),
      m_pNextDLL(AfxGetModuleState()->m_libraryList) {
    AfxGetModuleState()->m_libraryList = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    CDynLinkLibrary** link = &AfxGetModuleState()->m_libraryList;
    while (*link != nullptr && *link != this) {
        link = &(*link)->m_pNextDLL;
    }
    if (*link == this) {
        *link = m_pNextDLL;
    }
}

// The identifier queries of the checker: one keyword's listed identifiers, or all of them.
#include <vxcheck/check.h>

std::vector<CString> Cvx_Check::GetIdentifier() {
    return identifierList.GetSortedWords();
}

std::vector<CString> Cvx_Check::GetIdentifier(CString keyword) {
    const int position = CheckKeyword(keyword);
    if (position < 0) {
        return {};
    }
    const int number = keywordIndex[static_cast<std::size_t>(position)];
    Cvx_KwIdentifiers* definition = DefinitionByNumber(number);
    if (definition == nullptr) {
        return {};
    }
    // The master-species definitions hold nothing; their full list is the empty list.
    if (number == 1 || number == 26 || number == 27) {
        return definition->GetAllIdentifiers();
    }
    return definition->GetListedIdentifiers();
}

// The name is not examined: the length compared with limit is that of the emptied text.
int Cvx_Check::CheckFileNames(CString /*name*/, int limit, CString& text) {
    text.Empty();
    if (text.GetLength() > limit) {
        text = "";
        return 0;
    }
    return 1;
}

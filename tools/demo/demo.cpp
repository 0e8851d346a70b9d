// A first look at the vocabulary: the keywords, the identifiers of SOLUTION and the BASIC words.
#include <vxcheck/vxcheck.h>

#include <cstdio>

namespace {

void PrintList(const char* title, const std::vector<CString>& list) {
    std::printf("%s (%zu):\n", title, list.size());
    for (const CString& word : list) {
        std::printf("  %s\n", word.GetString());
    }
}

} // namespace

int main() {
    Cvx_Check checker;
    PrintList("Keywords", checker.GetKeywords());
    PrintList("Identifiers of SOLUTION", checker.GetIdentifier("solution"));
    PrintList("BASIC words", checker.GetBasic());
    return 0;
}

// The program's way of reading a database: PHREEQC 3 reading into a checker of its own, whose
// lists are copied as valid UTF-8.
#include "lsp/databases.h"
#include "lsp/positions.h"

#include <vxcheck/check.h>
#include <vxcheck/phreeqc3.h>

namespace vxcheck::lsp {
namespace {

void Assign(std::vector<std::string>& list, const std::vector<CString>& words) {
    list.clear();
    list.reserve(words.size());
    for (const CString& word : words) {
        list.push_back(ToUtf8(word.GetString()));
    }
}

} // namespace

void ReadThroughChecker(const std::string& path, DatabaseNames& names) {
    Cvx_Check checker;
    ReadDatabasePhreeqc3(checker, CString(path.c_str()));
    auto list = [&](NameList which) -> std::vector<std::string>& {
        return names.lists[static_cast<std::size_t>(which)];
    };
    Assign(list(NameList::CompositionNames), checker.GetMasterSpeciesComp());
    Assign(list(NameList::MasterSpecies), checker.GetMasterSpecies());
    Assign(list(NameList::AqueousSpecies), checker.GetAqueousSpecies());
    Assign(list(NameList::Phases), checker.GetPhases());
    Assign(list(NameList::Gases), checker.GetGases());
}

} // namespace vxcheck::lsp

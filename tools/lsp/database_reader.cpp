// The program's way of reading a database: PHREEQC 3 reading of the file's bytes into a checker
// of its own, whose lists, master species and phase formulas are copied as valid UTF-8.
#include "lsp/databases.h"
#include "lsp/positions.h"

#include <vxcheck/check.h>
#include <vxcheck/database_file.h>

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

void ReadThroughChecker(const std::string& bytes, DatabaseNames& names) {
    Cvx_Check checker;
    const DatabaseRead read = ReadDatabaseBytes(checker, bytes, DatabaseReading::Phreeqc3);
    auto list = [&](NameList which) -> std::vector<std::string>& {
        return names.lists[static_cast<std::size_t>(which)];
    };
    Assign(list(NameList::CompositionNames), checker.GetMasterSpeciesComp());
    Assign(list(NameList::MasterSpecies), checker.GetMasterSpecies());
    Assign(list(NameList::AqueousSpecies), checker.GetAqueousSpecies());
    Assign(list(NameList::Phases), checker.GetPhases());
    Assign(list(NameList::Gases), checker.GetGases());
    Assign(list(NameList::ExchangeMasterSpecies), read.exchangeMasterSpecies);
    Assign(list(NameList::SurfaceMasterSpecies), read.surfaceMasterSpecies);
    for (std::size_t i = 0; i < read.phases.size() && i < read.phaseFormulas.size(); ++i) {
        names.formulas.try_emplace(ToUtf8(read.phases[i].GetString()),
                                   ToUtf8(read.phaseFormulas[i].GetString()));
    }
}

} // namespace vxcheck::lsp

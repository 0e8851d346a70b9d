// The checker's six species searches as a table, for the fuzz targets that call every form of
// each: the single-word form, the list form, and the getter whose list holds every name that the
// search may return (none for the exchange and surface searches, which have no getter).
#pragma once

#include <vxcheck/check.h>

#include <algorithm>
#include <vector>

namespace vxcheck::fuzz {

struct SpeciesSearch {
    const char* name;
    std::vector<CString> (Cvx_Check::*single)(CString);
    std::vector<CString> (Cvx_Check::*list)(std::vector<CString>, CString);
    std::vector<CString> (Cvx_Check::*names)();
};

inline const SpeciesSearch kSpeciesSearches[] = {
    {"FindAqueousSpecies", &Cvx_Check::FindAqueousSpecies, &Cvx_Check::FindAqueousSpecies,
     &Cvx_Check::GetAqueousSpecies},
    {"FindPhases", &Cvx_Check::FindPhases, &Cvx_Check::FindPhases, &Cvx_Check::GetPhases},
    {"FindMinerals", &Cvx_Check::FindMinerals, &Cvx_Check::FindMinerals, &Cvx_Check::GetMinerals},
    {"FindGases", &Cvx_Check::FindGases, &Cvx_Check::FindGases, &Cvx_Check::GetGases},
    {"FindExchangeSpecies", &Cvx_Check::FindExchangeSpecies, &Cvx_Check::FindExchangeSpecies,
     nullptr},
    {"FindSurfaceSpecies", &Cvx_Check::FindSurfaceSpecies, &Cvx_Check::FindSurfaceSpecies, nullptr},
};

// Whether every entry of found is one of names.
inline bool Within(const std::vector<CString>& found, const std::vector<CString>& names) {
    return std::all_of(found.begin(), found.end(), [&](const CString& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    });
}

} // namespace vxcheck::fuzz

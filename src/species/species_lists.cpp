// The species getters: copies of the lists that the last ReadDatabase left. They sort, filter and
// rebuild nothing, so the checker stays exactly as it was.
#include <vxcheck/check.h>

std::vector<CString> Cvx_Check::GetMasterSpeciesComp() {
    return masterSpeciesCompList;
}

std::vector<CString> Cvx_Check::GetMasterSpecies() {
    return masterSpeciesList;
}

std::vector<CString> Cvx_Check::GetAqueousSpecies() {
    return aqueousSpeciesList;
}

std::vector<CString> Cvx_Check::GetPhases() {
    return phaseList;
}

std::vector<CString> Cvx_Check::GetMinerals() {
    return mineralList;
}

std::vector<CString> Cvx_Check::GetGases() {
    return gasList;
}

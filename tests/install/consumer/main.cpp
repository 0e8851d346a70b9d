// Uses the installed library the way a host does; exits 0 when it answers as expected.
#include <vxcheck/vxcheck.h>

int main() {
    Cvx_Check checker;
    const bool ok = checker.CheckKeyword("Equilibrium_Phases") == 26 &&
                    checker.GetIdentifier("solution").size() == 8;
    return ok ? 0 : 1;
}

// The 162 words of PHREEQC's BASIC dialect, in table order, and their sorted view.
#include <vxcheck/check.h>

#include <iterator>

namespace {

// "change_sfpressure " ends in a blank, and keeps it.
constexpr const char* kPhreeqcBasic[] = {
    "+",                  // 0
    "-",                  // 1
    "*",                  // 2
    "/",                  // 3
    "^",                  // 4
    "( or [",             // 5
    ") or ]",             // 6
    ",",                  // 7
    ";",                  // 8
    ":",                  // 9
    "=",                  // 10
    "<",                  // 11
    "<=",                 // 12
    ">",                  // 13
    ">=",                 // 14
    "and",                // 15
    "or",                 // 16
    "xor",                // 17
    "not",                // 18
    "mod",                // 19
    "sqr",                // 20
    "sqrt",               // 21
    "sin",                // 22
    "cos",                // 23
    "tan",                // 24
    "arctan",             // 25
    "log",                // 26
    "exp",                // 27
    "abs",                // 28
    "sgn",                // 29
    "str$",               // 30
    "val",                // 31
    "chr$",               // 32
    "asc",                // 33
    "len",                // 34
    "mid$",               // 35
    "peek",               // 36
    "let",                // 37
    "print",              // 38
    "punch",              // 39
    "input",              // 40
    "goto",               // 41
    "go to",              // 42
    "if",                 // 43
    "end",                // 44
    "stop",               // 45
    "for",                // 46
    "next",               // 47
    "while",              // 48
    "wend",               // 49
    "gosub",              // 50
    "return",             // 51
    "read",               // 52
    "data",               // 53
    "restore",            // 54
    "gotoxy",             // 55
    "on",                 // 56
    "dim",                // 57
    "poke",               // 58
    "list",               // 59
    "run",                // 60
    "new",                // 61
    "load",               // 62
    "merge",              // 63
    "save",               // 64
    "bye",                // 65
    "quit",               // 66
    "del",                // 67
    "renum",              // 68
    "then",               // 69
    "else",               // 70
    "to",                 // 71
    "step",               // 72
    "tc",                 // 73
    "tk",                 // 74
    "time",               // 75
    "sim_time",           // 76
    "total_time",         // 77
    "m0",                 // 78
    "m",                  // 79
    "parm",               // 80
    "act",                // 81
    "edl",                // 82
    "surf",               // 83
    "equi",               // 84
    "kin",                // 85
    "gas",                // 86
    "s_s",                // 87
    "misc1",              // 88
    "misc2",              // 89
    "mu",                 // 90
    "osmotic",            // 91
    "alk",                // 92
    "lk_species",         // 93
    "lk_named",           // 94
    "lk_phase",           // 95
    "sum_species",        // 96
    "sum_gas",            // 97
    "sum_s_s",            // 98
    "calc_value",         // 99
    "description",        // 100
    "sys",                // 101
    "instr",              // 102
    "ltrim",              // 103
    "rtrim",              // 104
    "trim",               // 105
    "pad",                // 106
    "rxn",                // 107
    "dist",               // 108
    "mol",                // 109
    "la",                 // 110
    "lm",                 // 111
    "sr",                 // 112
    "si",                 // 113
    "step_no",            // 114
    "cell_no",            // 115
    "sim_no",             // 116
    "tot",                // 117
    "log10",              // 118
    "charge_balance",     // 119
    "percent_error",      // 120
    "put",                // 121
    "get",                // 122
    "exists",             // 123
    "rem",                // 124
    "change_por",         // 125
    "get_por",            // 126
    "change_surf",        // 127
    "porevolume",         // 128
    "sc",                 // 129
    "gamma",              // 130
    "lg",                 // 131
    "rho",                // 132
    "cell_volume",        // 133
    "cell_pore_volume",   // 134
    "cell_porosity",      // 135
    "cell_saturation",    // 136
    "totmole",            // 137
    "totmol",             // 138
    "totmoles",           // 139
    "iso",                // 140
    "iso_unit",           // 141
    "get_sfwater",        // 142
    "change_sfwater",     // 143
    "get_sfpressure",     // 144
    "change_sfpressure ", // 145
    "get_sfcond",         // 146
    "change_sfcond",      // 147
    "update_sfwater",     // 148
    "transprop",          // 149
    "bulkdensity",        // 150
    "pressure_head",      // 151
    "hyd_cond",           // 152
    "water_flux",         // 153
    "water_sink",         // 154
    "dw",                 // 155
    "get_mattype",        // 156
    "conv_t",             // 157
    "conv_x",             // 158
    "put_def",            // 159
    "get_def",            // 160
    "sum_solid",          // 161
};
static_assert(std::size(kPhreeqcBasic) == 162);

} // namespace

void Cvx_Check::GetListOfPhreeqcBasic() {
    for (const char* word : kPhreeqcBasic) {
        basicList.AddWord(word);
    }
}

std::vector<CString> Cvx_Check::GetBasic() {
    return basicList.GetSortedWords();
}

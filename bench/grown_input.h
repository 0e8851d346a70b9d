// A realistic PHREEQC input of any length for llnl.dat: simulations of a column cell (solution,
// phases, exchanger, surface, reaction, kinetics, selected output with BASIC), each numbered on
// its own, repeated until the text has the lines asked for. PHREEQC 3.8 runs it without an error
// or warning.
#pragma once

#include <string>

namespace vxcheck::bench {

// One simulation of 56 lines, numbered n.
inline std::string CellSimulation(int n) {
    const std::string id = std::to_string(n);
    const std::string temperature = std::to_string(10 + n % 15);
    return "TITLE Column cell " + id +
           ": recharge water reacting with the aquifer\n"
           "SOLUTION " +
           id + " Recharge water " + id +
           "\n"
           "    temp       " +
           temperature +
           "\n"
           "    pH         7.3\n"
           "    pe         4.0\n"
           "    redox      pe\n"
           "    units      mmol/kgw\n"
           "    density    1.0\n"
           "    Ca         1.2\n"
           "    Mg         0.45\n"
           "    Na         0.9\n"
           "    K          0.05\n"
           "    Fe(2)      0.001\n"
           "    Cl         1.1   # from the rain\n"
           "    S(6)       0.3\n"
           "    Alkalinity 2.8 as HCO3\n"
           "    Si         0.2\n"
           "    -water     1\n"
           "EQUILIBRIUM_PHASES " +
           id +
           "\n"
           "    Calcite    0.0   10.0\n"
           "    Dolomite   0.0   1.0\n"
           "    Gypsum     -1.0  0.0\n"
           "    Quartz     0.0   2.0\n"
           "    CO2(g)     -2.5  10.0\n"
           "    Goethite   0.0   0.1\n"
           "EXCHANGE " +
           id +
           "\n"
           "    -equilibrate " +
           id +
           "\n"
           "    X          0.05\n"
           "SURFACE " +
           id +
           "\n"
           "    -equilibrate with solution " +
           id +
           "\n"
           "    Hfo_wOH    0.002   600   0.09\n"
           "    Hfo_sOH    5e-5\n"
           "REACTION " +
           id +
           "\n"
           "    NaCl       1.0\n"
           "    CaSO4      0.5\n"
           "    0.002 moles in 4 steps\n"
           "KINETICS " +
           id +
           "\n"
           "Calcite\n"
           "    -m0        0.01\n"
           "    -parms     50  0.6\n"
           "    -tol       1e-8\n"
           "    -steps     3600 in 2 steps\n"
           "SELECTED_OUTPUT " +
           id +
           "\n"
           "    -file      cell" +
           id +
           ".sel\n"
           "    -reset     false\n"
           "    -step      true\n"
           "    -pH        true\n"
           "    -totals    Ca Mg Na Cl S(6)\n"
           "    -molalities Ca+2 CaSO4 HCO3-\n"
           "    -saturation_indices Calcite Dolomite Gypsum\n"
           "USER_PUNCH " +
           id +
           "\n"
           "    -headings  Ca_mg SI_calcite\n"
           "10 PUNCH TOT(\"Ca\") * 40.08e3\n"
           "20 PUNCH SI(\"Calcite\")\n"
           "SAVE solution " +
           id +
           "\n"
           "END\n";
}

// Simulations numbered from 1 until the text has at least lines lines, after a first line
// (such as a DATABASE line) when one is given.
inline std::string GrownInput(int lines, const std::string& first = {}) {
    std::string text = first.empty() ? std::string() : first + "\n";
    int count = first.empty() ? 0 : 1;
    for (int n = 1; count < lines; ++n) {
        const std::string simulation = CellSimulation(n);
        text += simulation;
        for (const char ch : simulation) {
            count += ch == '\n' ? 1 : 0;
        }
    }
    return text;
}

} // namespace vxcheck::bench

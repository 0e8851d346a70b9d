// The block templates: each a complete block that PHREEQC reads as written, its values the
// placeholders a user steps through.
#include "lsp/features/snippets.h"

namespace vxcheck::lsp {
namespace {

constexpr BlockSnippet kSnippets[] = {
    {"SOLUTION block", "SOLUTION with temperature, pH, pe, units and one concentration",
     "SOLUTION ${1:1} ${2:description}\n"
     "    temp      ${3:25}\n"
     "    pH        ${4:7}\n"
     "    pe        ${5:4}\n"
     "    units     ${6:mmol/kgw}\n"
     "    ${7:Ca}        ${8:1}\n"
     "$0"},
    {"EQUILIBRIUM_PHASES block",
     "EQUILIBRIUM_PHASES with one phase, its saturation index and amount",
     "EQUILIBRIUM_PHASES ${1:1}\n"
     "    ${2:Calcite}    ${3:0.0}    ${4:10}\n"
     "$0"},
    {"KINETICS block with its RATES", "RATES with a rate program, and KINETICS that uses it",
     "RATES\n"
     "${1:Calcite}\n"
     "-start\n"
     "10 rate = ${2:1e-8} * (1 - SR(\"$1\"))\n"
     "20 moles = rate * TIME\n"
     "30 SAVE moles\n"
     "-end\n"
     "KINETICS ${3:1}\n"
     "$1\n"
     "    -m0    ${4:1}\n"
     "    -tol   1e-8\n"
     "-steps ${5:3600} in ${6:10} steps\n"
     "$0"},
    {"SELECTED_OUTPUT block",
     "SELECTED_OUTPUT with a file, totals, molalities and saturation indices",
     "SELECTED_OUTPUT ${1:1}\n"
     "    -file                ${2:output.sel}\n"
     "    -totals              ${3:Ca}\n"
     "    -molalities          ${4:Ca+2}\n"
     "    -saturation_indices  ${5:Calcite}\n"
     "$0"},
    {"TRANSPORT block", "TRANSPORT with cells, shifts, time step, lengths and dispersivities",
     "TRANSPORT\n"
     "    -cells                ${1:40}\n"
     "    -shifts               ${2:120}\n"
     "    -time_step            ${3:3600}\n"
     "    -lengths              ${4:0.002}\n"
     "    -dispersivities       ${5:0.002}\n"
     "    -flow_direction       ${6:forward}\n"
     "    -boundary_conditions  ${7:flux} ${8:flux}\n"
     "$0"},
};

} // namespace

std::span<const BlockSnippet> BlockSnippets() {
    return kSnippets;
}

} // namespace vxcheck::lsp

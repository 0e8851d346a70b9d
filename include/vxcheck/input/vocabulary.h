// What an editor may offer in a PHREEQC 3 input: the keyword spellings grouped into the blocks
// they open, each block's options in PHREEQC's matching order, and the words of its BASIC with
// their signatures and what their arguments name.
#pragma once

#include <vxcheck/export.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vxcheck {

// A keyword block and the words that belong to it.
struct BlockVocabulary {
    std::string_view name;                     // lower case, such as "equilibrium_phases"
    std::vector<std::string_view> spellings;   // lower case, in PHREEQC's keyword table order
    std::span<const std::string_view> options; // lower case, no dash, PHREEQC's matching order
};

// PHREEQC 3's 80 blocks, in the order their first spelling stands in its keyword table.
VXCHECK_API std::span<const BlockVocabulary> BlockVocabularies();
// The block that a keyword spelling opens, compared whole without regard to case, or null.
VXCHECK_API const BlockVocabulary* FindBlockVocabulary(std::string_view spelling);

// A reader that an option of a RAW or MODIFY block opens ("-component" of EXCHANGE_RAW): the
// option lines after that option are matched against the reader's own table first.
struct ComponentReader {
    std::string_view opener; // the reader whose option opens this one ("exchange_raw")
    std::string_view option; // that option ("component")
    std::string_view name;   // "exchange_component"
    std::span<const std::string_view> options; // lower case, no dash, PHREEQC's matching order
    bool readsToBlockEnd; // never hands a line back: reads every line up to the next keyword
};

// Every way into a component reader; a reader that two options open stands in two rows.
VXCHECK_API std::span<const ComponentReader> ComponentReaders();

enum class BasicRole {
    Statement, // starts a statement: PRINT, PUNCH, GOTO, ...
    Function,  // gives a value: SI, TOT, SQRT, ...
    Operator,  // AND, OR, XOR, NOT, MOD
    Clause,    // THEN, ELSE, TO, STEP
};

// What a string argument of a BASIC function names, where PHREEQC looks it up.
enum class BasicNames {
    None,
    Element,        // an element or valence state: "Ca", "Fe(2)"
    AqueousSpecies, // "CaCO3", "Ca+2"
    AnySpecies,     // an aqueous, exchange or surface species: "CaX2", "Hfo_wOH"
    Phase,          // a phase of the database or the input: "Calcite"
    Gas,            // a gas phase component: "CO2(g)"
    Rate,           // a kinetic reactant, named in RATES and KINETICS
    SurfaceName,    // a surface, its master species' name before "_": "Hfo"
    CalculatedValue // a name defined in CALCULATE_VALUES
};

struct BasicArgument {
    std::string_view label; // as the signature shows it: "\"phase\"", "x"
    // n a number, s a string, v a numeric variable, w a string variable, x anything
    char type = 'x';
    BasicNames names = BasicNames::None;
    // Further words PHREEQC takes for this argument, lower case: "water" and "charge" in TOT.
    std::span<const std::string_view> specials;
    bool optional = false;
};

struct BasicWordInfo {
    std::string_view name; // lower case, as PHREEQC's interpreter lists it
    BasicRole role = BasicRole::Function;
    // The word's help form (FindBasicHelp), the one description of its arguments that completion,
    // hover and signature help all show: "SI(\"phase\")", "MID$(s$, start, count)".
    std::string signature;
    std::vector<BasicArgument> arguments;
};

// PHREEQC 3's BASIC words that begin with a letter, sorted by name.
VXCHECK_API std::span<const BasicWordInfo> BasicVocabulary();
// The word of that name, compared without regard to case, or null for a variable's name.
VXCHECK_API const BasicWordInfo* FindBasicWord(std::string_view name);

} // namespace vxcheck

// What may stand at a point of a PHREEQC input: the statement, block and option around it, the
// word there and the kinds of word PHREEQC takes in that place, also where nothing is written yet.
#pragma once

#include <vxcheck/export.h>
#include <vxcheck/input/model.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace vxcheck {

enum class Expected {
    Keyword,           // a keyword spelling: one may stand at the start of any line
    Option,            // one of the block's options, with its dash
    DashlessOption,    // one of the block's options, written whole without its dash
    Element,           // an element or valence state ("Ca", "Fe(2)", "Alkalinity")
    Species,           // an aqueous species ("CaCO3", "Ca+2")
    SorbedSpecies,     // an exchange or surface species ("CaX2", "Hfo_wOZn+")
    Phase,             // a phase ("Calcite")
    Gas,               // a gas ("CO2(g)")
    ExchangeFormula,   // an exchanger or exchange species ("X", "CaX2")
    SurfaceFormula,    // a surface site or species ("Hfo_wOH")
    RateName,          // a rate of RATES, as KINETICS names its reactants
    CalculatedValue,   // a name defined in CALCULATE_VALUES
    Units,             // a concentration unit ("mmol/kgw", "mg/l")
    ConcentrationTail, // what may follow a concentration in SOLUTION: "as", "gfw", "charge"
    Charge,            // "charge" after pH or pe in SOLUTION
    EntityKind,        // the kind of reactant after USE, SAVE and COPY ("solution", "mix", ...)
    EntityNumber,      // the number of an entity the input defines, of the block in entity
    FileName,          // a file name (INCLUDE$, DATABASE, -file)
    Basic,             // BASIC text: BasicPositionAt tells more
    Number,            // a number
    Text,              // a description or text that PHREEQC does not look up
    Reaction,          // part of an equation
    Literal,           // one of a few fixed words of the field: InputPosition::literals lists them
    Formula,           // a chemical formula PHREEQC reads without looking it up ("as HCO3")
    RedoxCouple,       // two valence states of one element joined by "/" ("O(0)/O(-2)")
};

struct InputPosition {
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    // The statement around the point; kNone where no statement stands (a blank line, after ";").
    std::size_t statement = kNone;
    int block = -1;             // the block the point stands in, or -1
    std::string_view blockName; // lower case, "" outside blocks
    // The option of the point's own line, or the one the line continues (a list of SELECTED_OUTPUT,
    // the BASIC text after RATES' -start); "" when none.
    std::string_view option;
    // The word at the point: its index in the statement (the number of words before the point
    // when the point stands on no word), and its input bytes [begin, end) (empty at the point).
    std::size_t word = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t column = 0; // the point's position in the statement's text (0 with no statement)
    bool comment = false;   // the point stands in a comment: nothing is expected
    std::vector<Expected> expected;
    std::string_view entity; // for EntityNumber: the block whose numbers fit ("solution")
    std::span<const std::string_view> literals; // for Literal: the words, lower case
};

// The concentration units PHREEQC reads in SOLUTION ("mmol/kgw", "mg/l", "ppm", ...), lower case.
VXCHECK_API std::span<const std::string_view> ConcentrationUnits();
// The words after a concentration: "as", "gfw", "charge", "pe".
VXCHECK_API std::span<const std::string_view> ConcentrationWords();
// The kinds of reactant that USE, SAVE and COPY name, as block names ("solution", "mix", ...).
VXCHECK_API std::span<const std::string_view> EntityKinds();

// Tells what stands at byte offset of text, which model was read from (ReadInput(text)).
VXCHECK_API InputPosition PositionAt(const InputModel& model, std::string_view text,
                                     std::size_t offset);

} // namespace vxcheck

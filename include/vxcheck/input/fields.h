// What each word of a statement is, as PHREEQC's reader of its block takes it: the typed fields
// of keyword, option and data lines, for completion, hover and the lint rules.
#pragma once

#include <vxcheck/input/model.h>

#include <cstddef>
#include <vector>

namespace vxcheck {

enum class FieldKind {
    Keyword,         // the keyword of a keyword line
    EntityNumber,    // a number or range after a keyword ("1", "1-10")
    Description,     // free text after a keyword's number
    Option,          // the option word of an option line
    Element,         // an element or valence state ("Ca", "Fe(3)", "Alkalinity")
    Species,         // an aqueous, exchange or surface species ("CaX2", "Ca+2")
    Phase,           // a phase or gas ("Calcite", "CO2(g)")
    ExchangeFormula, // an exchanger's formula ("X", "CaX2")
    SurfaceFormula,  // a surface site's formula ("Hfo_wOH")
    RateName,        // a rate of RATES and KINETICS
    Number,          // a number
    Units,           // a units word ("mmol/kgw", "ppm")
    FileName,        // a file name
    Reaction,        // part of an equation ("Ca+2 + CO3-2 = CaCO3")
    Basic,           // a word of a BASIC program line
    Text,            // anything PHREEQC reads as text or does not read word by word
};

// The kind of each word of model.statements[index], in order; words past what the block's
// reader defines are Text.
std::vector<FieldKind> ClassifyFields(const InputModel& model, std::size_t index);

} // namespace vxcheck

// Prefix matching as users type PHREEQC's words: "cal" finds Calcite and CALCULATE_VALUES, since
// names and keywords are written in every case in real inputs (docs/decisions.md).
#include "lsp/features/completion_filter.h"

#include <vxcheck/platform/mbstring.h>

#include <algorithm>

namespace vxcheck::lsp {
namespace {

bool SameLetter(char a, char b) {
    return FoldToLower(static_cast<unsigned char>(a)) == FoldToLower(static_cast<unsigned char>(b));
}

bool BeginsWith(std::string_view label, std::string_view typed) {
    return label.size() >= typed.size() &&
           std::equal(typed.begin(), typed.end(), label.begin(), SameLetter);
}

} // namespace

bool CompletionFilter::Keep(std::string_view label) {
    if (!BeginsWith(label, m_typed)) {
        m_leftOut = true;
        return false;
    }
    std::string key(label);
    if (m_labels.size() == kMostItems) {
        m_leftOut = m_leftOut || !m_labels.contains(key);
        return false;
    }
    return m_labels.insert(std::move(key)).second;
}

} // namespace vxcheck::lsp

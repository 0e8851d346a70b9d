// Which items a completion list keeps: those whose label begins with the word typed so far,
// letter case ignored, each label once, and no more than a few screenfuls. A list that leaves
// anything out says so (isIncomplete), and the client asks again as the user types, so nothing
// is lost.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>

namespace vxcheck::lsp {

class CompletionFilter {
  public:
    // The most items a list holds (docs/decisions.md, "Completion filtered by the server").
    static constexpr std::size_t kMostItems = 200;

    // Items are kept when their label begins with typed, the text before the point.
    explicit CompletionFilter(std::string_view typed = {}) : m_typed(typed) {}

    // The items offered from now on replace typed instead (a BASIC word inside a statement).
    void Retype(std::string_view typed) { m_typed = typed; }
    // Whether an item labelled label goes into the list: false for a label that does not begin
    // with the word typed, that the list has already, or that comes after kMostItems others.
    bool Keep(std::string_view label);
    // Whether an item was left out, by the word typed or by the limit (not for repeating a label).
    bool LeftOut() const { return m_leftOut; }

  private:
    std::string m_typed;
    std::unordered_set<std::string> m_labels; // those kept
    bool m_leftOut = false;
};

} // namespace vxcheck::lsp

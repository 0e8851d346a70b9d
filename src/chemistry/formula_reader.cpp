// Reads the elements of a formula with PHREEQC's rules, including its quirks: a group closed by
// ")" returns to the "(" or ":" that opened it, so "(A:2B)3" does not read.
#include "chemistry/formula_reader.h"

#include <array>
#include <cstdlib>

namespace vxcheck::chemistry {

namespace {

bool IsUpper(char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLower(char c) {
    return c >= 'a' && c <= 'z';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}

class ElementReader {
  public:
    explicit ElementReader(std::string_view text) : m_text(text) {}

    ElementsRead Read() {
        ElementsRead result;
        if (ReadGroup(1.0)) {
            result.elements = std::move(m_elements);
        } else {
            result.error = std::move(m_error);
        }
        result.end = m_pos;
        return result;
    }

  private:
    char At(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

    // A count after an element or a group: digits with at most one ".", 1 when none.
    double ReadCount() {
        const std::size_t begin = m_pos;
        bool point = false;
        while (IsDigit(At(m_pos)) || (At(m_pos) == '.' && !point)) {
            point = point || At(m_pos) == '.';
            ++m_pos;
        }
        if (m_pos == begin) {
            return 1.0;
        }
        if (!point && m_pos - begin < 10) {
            double whole = 0; // digits alone, read without strtod's cost
            for (std::size_t i = begin; i < m_pos; ++i) {
                whole = whole * 10 + (m_text[i] - '0');
            }
            return whole;
        }
        const std::string digits(m_text.substr(begin, m_pos - begin));
        return std::strtod(digits.c_str(), nullptr);
    }

    bool ReadElementName(std::string_view& name) {
        const std::size_t begin = m_pos;
        if (At(m_pos) == '[') {
            const std::size_t close = m_text.find(']', m_pos + 1);
            if (close == std::string_view::npos) {
                return Fail("no closing ] after " + std::string(m_text.substr(begin)));
            }
            m_pos = close;
        }
        ++m_pos;
        while (IsLower(At(m_pos)) || At(m_pos) == '_') {
            ++m_pos;
        }
        name = m_text.substr(begin, m_pos - begin);
        return true;
    }

    // Reads a group after "(" (its count after it) or ":" (its count before it) and multiplies
    // the counts of the elements it added.
    bool ReadScaled(double coefficient, bool count_first) {
        const std::size_t first = m_elements.size();
        const double before = count_first ? ReadCount() : 1.0;
        if (!ReadGroup(coefficient)) {
            return false;
        }
        const double factor = count_first ? before : ReadCount();
        for (std::size_t i = first; i < m_elements.size(); ++i) {
            m_elements[i].count *= factor;
        }
        return true;
    }

    bool ReadGroup(double coefficient) {
        for (char c = At(m_pos); c != '\0' && !IsSign(c); c = At(m_pos)) {
            if (c == ')') {
                if (--m_open < 0) {
                    return Fail("a ) closes nothing");
                }
                ++m_pos;
                return true;
            }
            if (IsUpper(c) || c == '[' || (c == 'e' && At(m_pos + 1) == '-')) {
                std::string_view name;
                if (!ReadElementName(name)) {
                    return false;
                }
                m_elements.push_back({name, ReadCount() * coefficient});
                continue;
            }
            if (c == '(' || c == ':') {
                // Each group is read by a nested call: a limit keeps the stack small.
                if (++m_depth > kMaxDepth) {
                    return Fail("groups nested too deeply");
                }
                m_open += c == '(' ? 1 : 0;
                ++m_pos;
                if (!ReadScaled(coefficient, c == ':')) {
                    return false;
                }
                --m_depth;
                continue;
            }
            return Fail(std::string("unexpected character ") + c);
        }
        if (m_open != 0) {
            return Fail("unbalanced parentheses");
        }
        return true;
    }

    bool Fail(std::string message) {
        m_error = std::move(message);
        return false;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    static constexpr int kMaxDepth = 64;
    int m_open = 0;
    int m_depth = 0;
    std::vector<ElementRead> m_elements;
    std::string m_error;
};

} // namespace

ElementsRead ReadElements(std::string_view formula) {
    return ElementReader(formula).Read();
}

std::string TermFormula(std::string_view species) {
    if (species.find('(') == std::string_view::npos) {
        return std::string(species);
    }
    static constexpr std::array<std::string_view, 6> kMarkers = {"(g)", "(s)",  "(G)",
                                                                 "(S)", "(aq)", "(AQ)"};
    std::string formula(species);
    for (const std::string_view marker : kMarkers) {
        const std::size_t at = formula.find(marker);
        if (at != std::string::npos) {
            formula.erase(at, marker.size());
        }
    }
    if (const std::size_t at = formula.find("H2O(l)"); at != std::string::npos) {
        formula.erase(at + 3, 3);
    }
    return formula;
}

} // namespace vxcheck::chemistry

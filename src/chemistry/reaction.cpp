// ParseReaction: an equation read as PHREEQC reads it. Blanks are dropped first, so "2 H2O" and
// "2H2O" are one term; a "+" or "-" after a name is its charge up to the last sign before the
// next name, which separates terms ("Fe+3+2H2O" is Fe+3 and 2 H2O).
#include <vxcheck/input/chemistry.h>

#include "chemistry/charge.h"
#include "chemistry/formula_reader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vxcheck {

namespace {

bool IsAlpha(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsBracket(char c) {
    return c == '(' || c == ')' || c == '[' || c == ']';
}
bool StartsName(char c) {
    return IsAlpha(c) || IsBracket(c);
}
bool IsAllowed(char c) {
    switch (c) {
    case '+':
    case '-':
    case '=':
    case '(':
    case ')':
    case '.':
    case ':':
    case '_':
    case '[':
    case ']':
        return true;
    default:
        return IsAlpha(c) || IsDigit(c);
    }
}

class EquationReader {
  public:
    EquationReader(std::string_view equation, ReactionError* error) : m_error(error) {
        // The equation without blanks, and where each of its bytes stands in the original.
        for (std::size_t i = 0; i < equation.size(); ++i) {
            const char c = equation[i];
            if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v' && c != '\f') {
                m_text.push_back(c);
                m_origin.push_back(i);
            }
        }
        m_origin.push_back(equation.size());
    }

    std::optional<Reaction> Read() {
        for (std::size_t i = 0; i < m_text.size(); ++i) {
            if (!IsAllowed(m_text[i])) {
                Fail("character " + Quoted(m_text[i]) + " is not allowed in an equation", i, i + 1);
                return std::nullopt;
            }
        }
        const std::size_t equals = m_text.find('=');
        if (equals == std::string::npos) {
            Fail("the equation has no =", 0, m_text.size());
            return std::nullopt;
        }
        Reaction reaction;
        while (At(m_pos) != '=') {
            if (!ReadTerm(reaction.left)) {
                return std::nullopt;
            }
        }
        if (reaction.left.empty()) {
            Fail("nothing stands left of =", m_pos, m_pos + 1);
            return std::nullopt;
        }
        ++m_pos;
        if (At(m_pos) == '\0') {
            Fail("nothing stands right of =", m_pos - 1, m_pos);
            return std::nullopt;
        }
        while (At(m_pos) != '\0') {
            if (!ReadTerm(reaction.right)) {
                return std::nullopt;
            }
        }
        return reaction;
    }

  private:
    static std::string Quoted(char c) {
        if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) {
            char code[8];
            std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned char>(c));
            return code;
        }
        return std::string("\"") + c + "\"";
    }

    char At(std::size_t pos) const { return pos < m_text.size() ? m_text[pos] : '\0'; }

    // Records why the equation does not read, with the bytes [begin, end) of m_text at fault.
    bool Fail(std::string message, std::size_t begin, std::size_t end) {
        end = std::min(end, m_text.size());
        begin = std::min(begin, end);
        if (m_error != nullptr) {
            *m_error = {std::move(message), m_origin[begin],
                        end > begin ? m_origin[end - 1] + 1 : m_origin[begin]};
        }
        return false;
    }

    // The coefficient before a name: none (1), a lone sign, or digits with signs and points.
    bool ReadCoefficient(ReactionTerm& term, std::size_t& written) {
        const char c = At(m_pos);
        const char next = At(m_pos + 1);
        written = m_pos;
        if (StartsName(c)) {
            term.coefficient = 1;
            return true;
        }
        if ((c == '+' || c == '-') && StartsName(next)) {
            term.coefficient = c == '-' ? -1 : 1;
            written = ++m_pos;
            return true;
        }
        if (!(IsDigit(c) || c == '+' || c == '-' || c == '.')) {
            const std::size_t end = c == '\0' ? m_pos : m_pos + 1;
            return Fail(c == '=' ? "a second = in the equation" : "a species is missing here",
                        m_pos, end);
        }
        const std::size_t begin = m_pos;
        written = begin + (c == '+' ? 1 : 0);
        while (IsDigit(At(m_pos)) || At(m_pos) == '+' || At(m_pos) == '-' || At(m_pos) == '.') {
            ++m_pos;
        }
        const std::string digits = m_text.substr(begin, m_pos - begin);
        char* rest = nullptr;
        term.coefficient = std::strtod(digits.c_str(), &rest);
        if (*rest != '\0') {
            return Fail("the coefficient " + m_text.substr(written, m_pos - written) +
                            " is not a number",
                        written, m_pos);
        }
        return true;
    }

    // The name and charge of a term; the charge ends before the sign that starts the next term.
    bool ReadSpecies(ReactionTerm& term, std::size_t written) {
        const std::size_t begin = m_pos;
        for (char c = At(m_pos); c != '+' && c != '-' && c != '=' && c != '\0'; c = At(m_pos)) {
            if (c == '[') {
                const std::size_t close = m_text.find(']', m_pos);
                if (close == std::string::npos) {
                    return Fail("no closing ] for the element name", m_pos, m_text.size());
                }
                m_pos = close;
            }
            ++m_pos;
        }
        if (m_pos == begin) {
            return Fail("a species is missing here", written, m_pos + 1);
        }
        std::string name = m_text.substr(begin, m_pos - begin);
        std::size_t charge_end = m_pos;
        if (At(m_pos) == '+' || At(m_pos) == '-') {
            std::size_t scan = m_pos;
            while (At(scan) != '\0' && At(scan) != '=' && !StartsName(At(scan))) {
                ++scan;
            }
            charge_end = scan;
            if (At(scan) != '\0' && At(scan) != '=') {
                while (At(charge_end) != '+' && At(charge_end) != '-') {
                    --charge_end;
                }
            }
        }
        std::string spelled;
        const std::string_view charge = std::string_view(m_text).substr(m_pos, charge_end - m_pos);
        if (!chemistry::ReadCharge(charge, &spelled)) {
            return Fail("the charge " + std::string(charge) + " of " + name + " is not a number",
                        m_pos, charge_end);
        }
        m_pos = charge_end;
        // The elements are read from the term as written, unless marks such as "(g)" need
        // taking out first.
        const std::string_view as_written =
            std::string_view(m_text).substr(begin, charge_end - begin);
        const std::string unmarked = name.find('(') != std::string::npos
                                         ? chemistry::TermFormula(name + spelled)
                                         : std::string();
        const chemistry::ElementsRead read =
            chemistry::ReadElements(unmarked.empty() ? as_written : unmarked);
        if (!read.error.empty()) {
            return Fail("cannot read the formula " + name + ": " + read.error, begin, charge_end);
        }
        term.species = name + spelled;
        term.begin = m_origin[written];
        term.end = m_origin[charge_end - 1] + 1;
        return true;
    }

    bool ReadTerm(std::vector<ReactionTerm>& side) {
        ReactionTerm term;
        std::size_t written = m_pos;
        if (!ReadCoefficient(term, written) || !ReadSpecies(term, written)) {
            return false;
        }
        side.push_back(std::move(term));
        return true;
    }

    ReactionError* m_error;
    std::string m_text;
    std::vector<std::size_t> m_origin;
    std::size_t m_pos = 0;
};

} // namespace

std::optional<Reaction> ParseReaction(std::string_view equation, ReactionError* error) {
    return EquationReader(equation, error).Read();
}

} // namespace vxcheck

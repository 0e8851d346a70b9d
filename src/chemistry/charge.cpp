// Charges as PHREEQC reads them: a run of one sign ("++" is 2), or a sign and a number read with
// strtol's rules (so "+010" is octal 8); a fraction is kept only when its digits are not all 0.
#include "chemistry/charge.h"

#include <cstdlib>

namespace vxcheck::chemistry {

namespace {

std::string Spelled(long charge) {
    if (charge == 0) {
        return "";
    }
    if (charge == 1 || charge == -1) {
        return charge > 0 ? "+" : "-";
    }
    std::string text = std::to_string(charge);
    if (charge > 0) {
        text.insert(text.begin(), '+');
    }
    return text;
}

} // namespace

std::optional<double> ReadCharge(std::string_view text, std::string* normalized) {
    if (text.empty()) {
        if (normalized != nullptr) {
            normalized->clear();
        }
        return 0.0;
    }
    const char sign = text.front();
    if (sign != '+' && sign != '-') {
        return std::nullopt;
    }
    long charge = 0;
    if (text.find_first_not_of(sign) == std::string_view::npos) {
        charge = static_cast<long>(text.size()) * (sign == '-' ? -1 : 1);
    } else {
        // strtol and strtod need a terminated copy.
        const std::string copy(text);
        char* rest = nullptr;
        charge = std::strtol(copy.c_str(), &rest, 0);
        if (*rest != '\0') {
            if (*rest != '.') {
                return std::nullopt;
            }
            const std::string_view fraction(rest + 1);
            if (fraction.find_first_not_of('0') != std::string_view::npos) {
                if (normalized != nullptr) {
                    *normalized = copy;
                }
                return std::strtod(copy.c_str(), nullptr);
            }
        }
    }
    if (normalized != nullptr) {
        *normalized = Spelled(charge);
    }
    return static_cast<double>(charge);
}

} // namespace vxcheck::chemistry

#include "engine/digits.h"

#include <cmath>

#include "runtime/text.h"

std::string decimal_digits(double value) {
    // Only digit characters may become tile indices, whatever the number's text holds.
    std::string digits;
    for (char c : CStr(std::fabs(value)))
        if (c >= '0' && c <= '9') digits += c;
    return digits.empty() ? "0" : digits;
}

std::string field_digits(double value, int width) {
    const std::string digits = decimal_digits(value);
    const size_t w = static_cast<size_t>(width);
    if (digits.size() >= w) return digits.substr(digits.size() - w);
    return std::string(w - digits.size(), '0') + digits;
}

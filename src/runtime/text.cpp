#include "runtime/text.h"

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <limits>

double round_half_even(double value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even unless changed.
    const int mode = std::fegetround();
    if (mode != FE_TONEAREST) std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    if (mode != FE_TONEAREST) std::fesetround(mode);
    return rounded;
}

namespace {
template <class Int>
Int to_int(double value) {
    if (std::isnan(value)) return 0;
    const double r = round_half_even(value);
    if (r <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
    if (r >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
    return static_cast<Int>(r);
}
}  // namespace

int16_t to_int16(double value) { return to_int<int16_t>(value); }
int32_t to_int32(double value) { return to_int<int32_t>(value); }

std::string CStr(double value) {
    if (value == 0) return "0";  // never "-0"
    char buffer[40];
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    } else {
        // Fifteen significant digits, as a double is shown to a player.
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
    }
    return buffer;
}

std::string Str(double value) { return value < 0 ? CStr(value) : " " + CStr(value); }

double Val(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    size_t end = i;
    if (end < text.size() && (text[end] == '-' || text[end] == '+')) ++end;
    const size_t digits_from = end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    if (end < text.size() && text[end] == '.') {
        ++end;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    }
    if (end == digits_from || (end == digits_from + 1 && text[digits_from] == '.')) return 0;
    return std::strtod(text.substr(i, end - i).c_str(), nullptr);
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void Mid(std::string& text, int start, const std::string& replacement) {
    if (start < 1) return;
    for (size_t i = 0; i < replacement.size(); ++i) {
        const size_t at = static_cast<size_t>(start - 1) + i;
        if (at >= text.size()) break;
        text[at] = replacement[i];
    }
}

std::string Chr(int code) { return std::string(1, static_cast<char>(code & 0xFF)); }

int Asc(const std::string& text) { return text.empty() ? 0 : static_cast<unsigned char>(text[0]); }

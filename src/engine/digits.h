#pragma once
#include <string>

// Numbers on the game screen's panels are drawn digit by digit from the store's digit tiles.

// The decimal digits of a number, without sign; "0" when it has none.
std::string decimal_digits(double value);
// The digits padded with zeros on the left to the field's width, or their last width
// characters when longer.
std::string field_digits(double value, int width);
// The value of a digit character, which is also the index of its tile within a colour group.
inline int digit_value(char c) { return c - '0'; }

#pragma once
#include <cstdint>
#include <string>

// Numbers become integers the one way the game rounds everywhere: to the nearest, a half to the
// even neighbour. Values beyond the target range are held at its ends.
double round_half_even(double value);
int16_t to_int16(double value);
int32_t to_int32(double value);

// Decimal text of a number; Str puts a blank before a number that is not negative.
std::string Str(double value);
std::string CStr(double value);
// The leading decimal number of a text (leading blanks skipped), 0 when there is none.
double Val(const std::string& text);
std::string Trim(const std::string& text);
// Overwrites characters of text from the 1-based position start with those of replacement,
// never growing the text.
void Mid(std::string& text, int start, const std::string& replacement);
std::string Chr(int code);
int Asc(const std::string& text);

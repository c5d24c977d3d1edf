#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Digits of |value| rounded to `decimals` places, halves away from zero, with "."
// before the fraction: FixedDigits(999.5, 0) is "1000", FixedDigits(-0.0019, 3) "0.002".
std::string FixedDigits(double value, int decimals);

// Fixed-point text with "." and exactly `decimals` places, no grouping, "-" for a
// negative value, padded with blanks on the left to `width` (never cut).
std::string Str(double value, int width, int decimals);

// Decimal floating-point text: optional sign, digits with an optional "." fraction,
// optional exponent. Anything else, including blanks, an empty text and a number
// beyond the range of a double, fails.
std::optional<double> Val(std::string_view text);

// Optional sign and decimal digits, or "$" and hexadecimal digits (up to 32 bits,
// "$FFFFFFFF" is -1). Anything else, or a decimal outside 32 bits, fails.
std::optional<int32_t> StrToInt(std::string_view text);

// Upper-case hexadecimal of the value's 32 bits, zero-padded to `digits`.
std::string IntToHex(int32_t value, int digits);

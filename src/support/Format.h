#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "support/FormatSettings.h"

using FormatArg = std::variant<int64_t, double, std::string>;

// Fills a pattern from arguments taken in order. Conversions, each "%[width][.precision]X":
//   %s  the text;
//   %d  a signed decimal integer;
//   %x  upper-case hexadecimal, at least `precision` digits ("%.4x");
//   %n  a number rounded to `precision` decimals (none given: 0), its integer digits
//       grouped in threes with the locale's separators ("%1.n", "%.2n");
//   %%  a percent sign.
// The result is right-aligned in `width` characters. A missing or mistyped argument
// is a programming error and throws std::invalid_argument.
std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const FormatSettings& settings = {});

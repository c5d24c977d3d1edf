#include "support/Numbers.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// True when |value| * 10^decimals lies exactly halfway between two integers.
// With |value| = m * 2^e (m an integer), that product is m * 5^d * 2^(e+d), which is
// an odd multiple of 1/2 exactly when the power of two in m equals -(e + d + 1).
bool IsExactHalf(double value, int decimals) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  const auto mantissa = static_cast<uint64_t>(std::ldexp(fraction, 53));
  if (mantissa == 0) return false;
  return std::countr_zero(mantissa) + (exponent - 53) + decimals == -1;
}

}  // namespace

std::string FixedDigits(double value, int decimals) {
  double magnitude = std::fabs(value);
  if (std::isnan(magnitude)) return "NAN";
  if (std::isinf(magnitude)) return "INF";
  // to_chars rounds exact halves to even; step past the half to round it up.
  if (IsExactHalf(magnitude, decimals))
    magnitude = std::nextafter(magnitude, std::numeric_limits<double>::infinity());
  // Up to 309 integer digits, the point and the decimals.
  char small[400];
  std::vector<char> large(decimals > 80 ? static_cast<size_t>(decimals) + 320 : 0);
  char* const first = large.empty() ? small : large.data();
  char* const last = large.empty() ? small + sizeof small : large.data() + large.size();
  const auto result = std::to_chars(first, last, magnitude, std::chars_format::fixed, decimals);
  return std::string(first, result.ptr);
}

std::string Str(double value, int width, int decimals) {
  std::string text = value < 0 ? "-" : "";
  text += FixedDigits(value, decimals);
  const int padding = width - static_cast<int>(text.size());
  return padding > 0 ? std::string(padding, ' ').append(text) : text;
}

std::optional<double> Val(std::string_view text) {
  size_t i = 0;
  const auto digitsFrom = [&](size_t from) {
    size_t j = from;
    while (j < text.size() && text[j] >= '0' && text[j] <= '9') ++j;
    return j;
  };
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  size_t end = digitsFrom(i);
  size_t digitCount = end - i;
  if (end < text.size() && text[end] == '.') {
    const size_t fractionEnd = digitsFrom(end + 1);
    digitCount += fractionEnd - (end + 1);
    end = fractionEnd;
  }
  if (digitCount == 0) return std::nullopt;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t j = end + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const size_t exponentEnd = digitsFrom(j);
    if (exponentEnd == j) return std::nullopt;
    end = exponentEnd;
  }
  if (end != text.size()) return std::nullopt;

  // from_chars takes no sign and no leading "." so hand it a normalised copy.
  std::string number = text[i] == '.' ? "0" : "";
  number += text.substr(i);
  double value = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc()) return std::nullopt;  // beyond the range of a double
  return negative ? -value : value;
}

std::optional<int32_t> StrToInt(std::string_view text) {
  if (!text.empty() && text.front() == '$') {
    const std::string_view hex = text.substr(1);
    if (hex.empty()) return std::nullopt;
    uint32_t value = 0;
    for (const char c : hex) {
      int digit = 0;
      if (c >= '0' && c <= '9') digit = c - '0';
      else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
      else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
      else return std::nullopt;
      if (value > 0x0FFFFFFFu) return std::nullopt;
      value = value << 4 | static_cast<uint32_t>(digit);
    }
    return static_cast<int32_t>(value);
  }
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{1} << 31) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<int32_t>::max()) return std::nullopt;
  return static_cast<int32_t>(value);
}

std::string IntToHex(int32_t value, int digits) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  auto bits = static_cast<uint32_t>(value);
  std::string text;
  do {
    text += kDigits[bits & 0xF];
    bits >>= 4;
  } while (bits != 0);
  if (static_cast<int>(text.size()) < digits) text.append(digits - text.size(), '0');
  return {text.rbegin(), text.rend()};
}

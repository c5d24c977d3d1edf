#include "support/Format.h"

#include <stdexcept>

#include "support/Numbers.h"

namespace {

std::string GroupedNumber(double value, int decimals, const FormatSettings& settings) {
  const std::string digits = FixedDigits(value, decimals);
  const size_t point = digits.find('.');
  const std::string integer = digits.substr(0, point);
  std::string text;
  for (size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) text += settings.ThousandSeparator;
    text += integer[i];
  }
  if (point != std::string::npos) text += settings.DecimalSeparator + digits.substr(point + 1);
  const bool roundsToZero = digits.find_first_not_of("0.") == std::string::npos;
  return value < 0 && !roundsToZero ? std::string("-").append(text) : text;
}

std::string Hexadecimal(int64_t value, int digits) {
  return IntToHex(static_cast<int32_t>(value), digits);
}

template <typename T>
const T& Expect(const FormatArg& arg) {
  if (const T* value = std::get_if<T>(&arg)) return *value;
  throw std::invalid_argument("Format: argument of the wrong kind");
}

double NumberOf(const FormatArg& arg) {
  if (const int64_t* integer = std::get_if<int64_t>(&arg)) return static_cast<double>(*integer);
  return Expect<double>(arg);
}

int ReadCount(std::string_view pattern, size_t& i) {
  int value = 0;
  while (i < pattern.size() && pattern[i] >= '0' && pattern[i] <= '9') value = value * 10 + (pattern[i++] - '0');
  return value;
}

}  // namespace

std::string Format(std::string_view pattern, std::initializer_list<FormatArg> args,
                   const FormatSettings& settings) {
  std::string out;
  auto next = args.begin();
  size_t i = 0;
  while (i < pattern.size()) {
    const char c = pattern[i++];
    if (c != '%') {
      out += c;
      continue;
    }
    if (i < pattern.size() && pattern[i] == '%') {
      out += '%';
      ++i;
      continue;
    }
    const int width = ReadCount(pattern, i);
    int precision = -1;
    if (i < pattern.size() && pattern[i] == '.') {
      ++i;
      precision = ReadCount(pattern, i);
    }
    if (i == pattern.size()) throw std::invalid_argument("Format: pattern ends inside a conversion");
    if (next == args.end()) throw std::invalid_argument("Format: too few arguments");
    const FormatArg& arg = *next++;
    std::string text;
    switch (pattern[i++]) {
      case 's': text = Expect<std::string>(arg); break;
      case 'd': text = std::to_string(Expect<int64_t>(arg)); break;
      case 'x': text = Hexadecimal(Expect<int64_t>(arg), precision); break;
      case 'n': text = GroupedNumber(NumberOf(arg), precision < 0 ? 0 : precision, settings); break;
      default: throw std::invalid_argument("Format: unknown conversion");
    }
    if (static_cast<int>(text.size()) < width) out.append(width - text.size(), ' ');
    out += text;
  }
  return out;
}

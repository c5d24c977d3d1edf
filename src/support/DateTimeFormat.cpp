#include "support/DateTimeFormat.h"

#include <cstdio>

namespace {

std::string Padded(int value, int digits) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", digits, value);
  return buffer;
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const DateTime& when,
                           const FormatSettings& settings) {
  std::string out;
  size_t i = 0;
  const auto take = [&](std::string_view token) {
    if (pattern.substr(i, token.size()) != token) return false;
    i += token.size();
    return true;
  };
  while (i < pattern.size()) {
    if (take("yyyy")) out += Padded(when.Year, 4);
    else if (take("mmm")) out += when.Month >= 1 && when.Month <= 12 ? settings.ShortMonthNames[when.Month - 1] : "";
    else if (take("mm")) out += Padded(when.Month, 2);
    else if (take("dd")) out += Padded(when.Day, 2);
    else if (take("hh")) out += Padded(when.Hour, 2);
    else if (take("nn")) out += Padded(when.Minute, 2);
    else if (take("ss")) out += Padded(when.Second, 2);
    else out += pattern[i++];
  }
  return out;
}

#pragma once

#include <array>
#include <string>

// The user's locale as the number and date routines need it (UTF-8 texts).
// The defaults are the English ones; the Win32 adapter reads the real values.
struct FormatSettings {
  std::string ThousandSeparator = ",";
  std::string DecimalSeparator = ".";
  std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
};

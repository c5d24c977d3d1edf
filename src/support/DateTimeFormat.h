#pragma once

#include <string>
#include <string_view>

#include "support/FormatSettings.h"

// A calendar date and time of day, as the platform reports it.
struct DateTime {
  int Year = 0;
  int Month = 1;  // 1 to 12
  int Day = 1;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
};

// Pattern letters: "yyyy" four-digit year, "mmm" the locale's abbreviated month name,
// "mm" two-digit month, "dd" two-digit day, "hh" hour on the 24-hour clock, "nn"
// minutes, "ss" seconds. Every other character is copied.
std::string FormatDateTime(std::string_view pattern, const DateTime& when,
                           const FormatSettings& settings = {});

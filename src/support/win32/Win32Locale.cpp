#include "support/win32/Win32Locale.h"

#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

// A locale text, or `fallback` when the query fails.
std::string LocaleText(LCTYPE item, const std::string& fallback) {
  wchar_t buffer[96];
  const int length = GetLocaleInfoW(LOCALE_USER_DEFAULT, item, buffer, 96);
  if (length == 0) return fallback;  // an empty text is a real answer: no grouping
  return WideToUtf8(std::wstring_view(buffer, length - 1));
}

}  // namespace

FormatSettings ReadUserFormatSettings() {
  FormatSettings settings;
  settings.ThousandSeparator = LocaleText(LOCALE_STHOUSAND, settings.ThousandSeparator);
  settings.DecimalSeparator = LocaleText(LOCALE_SDECIMAL, settings.DecimalSeparator);
  for (int month = 0; month < 12; ++month)
    settings.ShortMonthNames[month] =
        LocaleText(LOCALE_SABBREVMONTHNAME1 + month, settings.ShortMonthNames[month]);
  return settings;
}

#include <gtest/gtest.h>

#include "scan/VolumeProbe.h"
#include "scan/win32/Win32VolumeApi.h"
#include "support/Format.h"
#include "support/win32/Win32Locale.h"
#include "win32/WinApi.h"

namespace {

TEST(Win32VolumeApi, ProbesARealDrive) {
  Win32VolumeApi api;
  const VolumeFacts facts = ProbeVolume("C:\\windows\\", api);
  EXPECT_GT(facts.ClusterSize, 1);
  EXPECT_EQ(facts.ClusterSize % 512, 0);
  EXPECT_GT(facts.FreeBytes, 0);
}

// Changes one of the user's locale texts for the length of a test.
class LocaleOverride {
 public:
  LocaleOverride(LCTYPE item, const wchar_t* value) : item_(item) {
    GetLocaleInfoW(LOCALE_USER_DEFAULT, item, previous_, 16);
    SetLocaleInfoW(LOCALE_USER_DEFAULT, item, value);
  }
  ~LocaleOverride() { SetLocaleInfoW(LOCALE_USER_DEFAULT, item_, previous_); }

 private:
  LCTYPE item_;
  wchar_t previous_[16];
};

TEST(Win32Locale, ReadsTheUsersSeparators) {
  const LocaleOverride thousands(LOCALE_STHOUSAND, L"'");
  const LocaleOverride decimal(LOCALE_SDECIMAL, L",");
  const FormatSettings settings = ReadUserFormatSettings();
  EXPECT_EQ(Format("%1.2n MB", {1234567.891}, settings), "1'234'567,89 MB");
  for (const std::string& month : settings.ShortMonthNames) EXPECT_FALSE(month.empty());
}

}  // namespace

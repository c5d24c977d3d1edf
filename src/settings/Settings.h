#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "chart/MultiColour.h"
#include "gui/Font.h"

// The user's settings: what the main window works with, what the options dialog
// edits, and what the registry keeps. Codes hold the low byte of what was stored, in
// range or not; the code that uses them copes with any value. The member
// initialisers are the defaults of a first start, but for DisplayCompressed, whose
// default depends on the system.
struct TSettings {
  uint8_t DisplayCompressed = 0;  // 0 choice not offered, 1 compressed sizes, 2 uncompressed
  uint8_t DisplayMode = 1;        // measure: 0 nominal, 1 allocated, 2 slack only
  uint8_t DisplayUnits = 1;       // 0 bytes, 1 KB, 2 MB, 3 GB, 4 count
  std::string PieChartColours{kDesignPalette};
  bool RightClickFolder = true;   // the Explorer verb is wanted
  bool DisplayFreeDiskSpace = true;
  bool RepeatedScan = false;
  int32_t RepeatInterval = 10;    // minutes
  bool ReadFileTable = true;      // scans read an NTFS volume's file table where they may
  TFont PieChartFont;             // the design font
  TFont ListboxFont;

  bool operator==(const TSettings&) const = default;
};

// Where each setting is stored: its value name (a font's is the prefix of its five
// values) and its member, whose type gives the kind: an 8-bit code or a 32-bit
// integer is an integer value, a flag a flag, a string a text, a font five values.
using TSettingMember = std::variant<uint8_t TSettings::*, int32_t TSettings::*, bool TSettings::*,
                                    std::string TSettings::*, TFont TSettings::*>;
struct TSettingValue {
  std::string_view Name;
  TSettingMember Member;
};

// In the order they are read; fonts come last.
inline const std::array<TSettingValue, 11> kSettingValues{{
    {"Display compressed", &TSettings::DisplayCompressed},
    {"Display mode", &TSettings::DisplayMode},
    {"Display units", &TSettings::DisplayUnits},
    {"PieChartColours", &TSettings::PieChartColours},
    {"RightClickFolder", &TSettings::RightClickFolder},
    {"DisplayFreeDiskSpace", &TSettings::DisplayFreeDiskSpace},
    {"RepeatedScan", &TSettings::RepeatedScan},
    {"RepeatInterval", &TSettings::RepeatInterval},
    {"ReadFileTable", &TSettings::ReadFileTable},
    {"PieChartFont", &TSettings::PieChartFont},
    {"ListboxFont", &TSettings::ListboxFont},
}};

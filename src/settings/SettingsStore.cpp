#include "settings/SettingsStore.h"

#include "settings/RegistryObjects.h"

namespace {

uint8_t LowByte(int32_t value) { return static_cast<uint8_t>(value & 0xFF); }

std::string Member(std::string_view prefix, std::string_view suffix) {
  return std::string(prefix) + std::string(suffix);
}

}  // namespace

TSettings LoadSettings(Registry& registry, const TSettings& defaults) {
  TRegIniFile ini(registry, kSettingsKey, false);
  TSettings settings;
  settings.DisplayCompressed = LowByte(ini.ReadInteger("Display compressed", defaults.DisplayCompressed));
  settings.DisplayMode = LowByte(ini.ReadInteger("Display mode", defaults.DisplayMode));
  settings.DisplayUnits = LowByte(ini.ReadInteger("Display units", defaults.DisplayUnits));
  settings.PieChartColours = ini.ReadString("PieChartColours", defaults.PieChartColours);
  settings.RightClickFolder = ini.ReadBool("RightClickFolder", defaults.RightClickFolder);
  settings.DisplayFreeDiskSpace = ini.ReadBool("DisplayFreeDiskSpace", defaults.DisplayFreeDiskSpace);
  settings.RepeatedScan = ini.ReadBool("RepeatedScan", defaults.RepeatedScan);
  settings.RepeatInterval = ini.ReadInteger("RepeatInterval", defaults.RepeatInterval);
  return settings;
}

void SaveSettings(Registry& registry, const TSettings& settings) {
  TRegIniFile ini(registry, kSettingsKey, true);
  ini.WriteInteger("Display compressed", settings.DisplayCompressed);
  ini.WriteInteger("Display mode", settings.DisplayMode);
  ini.WriteInteger("Display units", settings.DisplayUnits);
  ini.WriteString("PieChartColours", settings.PieChartColours);
  ini.WriteBool("RightClickFolder", settings.RightClickFolder);
  ini.WriteBool("DisplayFreeDiskSpace", settings.DisplayFreeDiskSpace);
  ini.WriteBool("RepeatedScan", settings.RepeatedScan);
  ini.WriteInteger("RepeatInterval", settings.RepeatInterval);
}

TFont LoadFont(Registry& registry, std::string_view prefix, const TFont& current) {
  TRegIniFile ini(registry, kSettingsKey, false);
  TFont font = current;
  font.Name = ini.ReadString(Member(prefix, ".Name"), font.Name);
  font.Size = ini.ReadInteger(Member(prefix, ".Size"), font.Size);
  font.Color = ini.ReadInteger(Member(prefix, ".Color"), font.Color);
  font.Bold = ini.ReadBool(Member(prefix, ".Bold"), font.Bold);
  font.Italic = ini.ReadBool(Member(prefix, ".Italic"), font.Italic);
  return font;
}

void SaveFont(Registry& registry, std::string_view prefix, const TFont& font) {
  TRegIniFile ini(registry, kSettingsKey, true);
  ini.WriteString(Member(prefix, ".Name"), font.Name);
  ini.WriteInteger(Member(prefix, ".Size"), font.Size);
  ini.WriteInteger(Member(prefix, ".Color"), font.Color);
  ini.WriteBool(Member(prefix, ".Bold"), font.Bold);
  ini.WriteBool(Member(prefix, ".Italic"), font.Italic);
}

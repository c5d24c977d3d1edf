#include "settings/SettingsStore.h"

#include "settings/RegistryObjects.h"

namespace {

template <typename... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};

std::string Member(std::string_view prefix, std::string_view suffix) {
  return std::string(prefix) + std::string(suffix);
}

bool IsFont(const TSettingValue& value) { return std::holds_alternative<TFont TSettings::*>(value.Member); }

TFont LoadFont(TRegIniFile& ini, std::string_view prefix, TFont font) {
  font.Name = ini.ReadString(Member(prefix, ".Name"), font.Name);
  font.Size = ini.ReadInteger(Member(prefix, ".Size"), font.Size);
  font.Color = ini.ReadInteger(Member(prefix, ".Color"), font.Color);
  font.Bold = ini.ReadBool(Member(prefix, ".Bold"), font.Bold);
  font.Italic = ini.ReadBool(Member(prefix, ".Italic"), font.Italic);
  return font;
}

void SaveFont(TRegIniFile& ini, std::string_view prefix, const TFont& font) {
  ini.WriteString(Member(prefix, ".Name"), font.Name);
  ini.WriteInteger(Member(prefix, ".Size"), font.Size);
  ini.WriteInteger(Member(prefix, ".Color"), font.Color);
  ini.WriteBool(Member(prefix, ".Bold"), font.Bold);
  ini.WriteBool(Member(prefix, ".Italic"), font.Italic);
}

void Load(TRegIniFile& ini, const TSettingValue& value, TSettings& settings) {
  const std::string_view name = value.Name;
  std::visit(Overloaded{
                 [&](uint8_t TSettings::*code) {
                   settings.*code = static_cast<uint8_t>(ini.ReadInteger(name, settings.*code) & 0xFF);
                 },
                 [&](int32_t TSettings::*integer) { settings.*integer = ini.ReadInteger(name, settings.*integer); },
                 [&](bool TSettings::*flag) { settings.*flag = ini.ReadBool(name, settings.*flag); },
                 [&](std::string TSettings::*text) { settings.*text = ini.ReadString(name, settings.*text); },
                 [&](TFont TSettings::*font) { settings.*font = LoadFont(ini, name, settings.*font); },
             },
             value.Member);
}

void Save(TRegIniFile& ini, const TSettingValue& value, const TSettings& settings) {
  const std::string_view name = value.Name;
  std::visit(Overloaded{
                 [&](uint8_t TSettings::*code) { ini.WriteInteger(name, settings.*code); },
                 [&](int32_t TSettings::*integer) { ini.WriteInteger(name, settings.*integer); },
                 [&](bool TSettings::*flag) { ini.WriteBool(name, settings.*flag); },
                 [&](std::string TSettings::*text) { ini.WriteString(name, settings.*text); },
                 [&](TFont TSettings::*font) { SaveFont(ini, name, settings.*font); },
             },
             value.Member);
}

}  // namespace

TSettings LoadSettings(Registry& registry, const TSettings& defaults) {
  TRegIniFile ini(registry, kSettingsKey, TKeyOpening::Existing);
  TSettings settings = defaults;
  for (const TSettingValue& value : kSettingValues) Load(ini, value, settings);
  return settings;
}

void SaveSettings(Registry& registry, const TSettings& settings) {
  TRegIniFile ini(registry, kSettingsKey, TKeyOpening::OrCreate);
  for (const TSettingValue& value : kSettingValues)
    if (IsFont(value)) Save(ini, value, settings);
  for (const TSettingValue& value : kSettingValues)
    if (!IsFont(value)) Save(ini, value, settings);
}

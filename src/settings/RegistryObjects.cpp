#include "settings/RegistryObjects.h"

#include "support/Numbers.h"

TRegistry::TRegistry(Registry& registry, TRootKey root) : RootKey(root), registry_(registry) {}

bool TRegistry::OpenKey(std::string_view path, TKeyOpening opening) {
  key_ = registry_.OpenKey(RootKey, path, opening);
  return key_ != nullptr;
}

bool TRegistry::DeleteKey(std::string_view path) { return registry_.DeleteKey(RootKey, path); }

std::optional<int32_t> TRegistry::ReadInteger(std::string_view name) {
  if (!key_) return std::nullopt;
  const std::optional<RegistryValue> value = key_->Read(name);
  if (!value || value->Type != RegistryValue::Kind::Integer) return std::nullopt;
  return value->Integer;
}

bool TRegistry::WriteInteger(std::string_view name, int32_t value) { return key_ && key_->WriteInteger(name, value); }

bool TRegistry::WriteString(std::string_view name, std::string_view value) {
  return key_ && key_->WriteText(name, value);
}

TRegIniFile::TRegIniFile(Registry& registry, std::string_view path, TKeyOpening opening)
    : key_(registry.OpenKey(TRootKey::CurrentUser, path, opening)) {}

int32_t TRegIniFile::ReadInteger(std::string_view name, int32_t defaultValue) {
  const std::optional<RegistryValue> value = key_ ? key_->Read(name) : std::nullopt;
  if (!value) return defaultValue;
  if (value->Type == RegistryValue::Kind::Integer) return value->Integer;
  if (value->Type == RegistryValue::Kind::Text) return StrToInt(value->Text).value_or(defaultValue);
  return defaultValue;
}

bool TRegIniFile::ReadBool(std::string_view name, bool defaultValue) {
  return ReadInteger(name, defaultValue ? 1 : 0) != 0;
}

std::string TRegIniFile::ReadString(std::string_view name, std::string_view defaultValue) {
  const std::optional<RegistryValue> value = key_ ? key_->Read(name) : std::nullopt;
  if (!value || value->Type != RegistryValue::Kind::Text) return std::string(defaultValue);
  return value->Text;
}

void TRegIniFile::WriteInteger(std::string_view name, int32_t value) {
  if (key_) key_->WriteInteger(name, value);
}

void TRegIniFile::WriteBool(std::string_view name, bool value) { WriteInteger(name, value ? 1 : 0); }

void TRegIniFile::WriteString(std::string_view name, std::string_view value) {
  if (key_) key_->WriteText(name, value);
}

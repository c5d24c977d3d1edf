#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/Registry.h"

// One registry key at a time under a chosen root, as a program works with keys.
class TRegistry {
 public:
  explicit TRegistry(Registry& registry, TRootKey root = TRootKey::CurrentUser);

  TRootKey RootKey;
  // Opens a key (closing the one open before), creating it when asked.
  bool OpenKey(std::string_view path, TKeyOpening opening);
  void CloseKey() { key_.reset(); }
  bool DeleteKey(std::string_view path);

  // Of the open key. An integer read is nothing when the value is absent or no integer.
  std::optional<int32_t> ReadInteger(std::string_view name);
  bool WriteInteger(std::string_view name, int32_t value);
  bool WriteString(std::string_view name, std::string_view value);

 private:
  Registry& registry_;
  std::unique_ptr<RegistryKey> key_;
};

// A key read and written like an ini file: every read has a default, which it gives
// when the value is absent or not of the kind asked for. Integers and flags are
// stored as 32-bit integers; integers stored as decimal text are read too.
class TRegIniFile {
 public:
  // Opens the key of the current user's part (to write in, made when missing).
  TRegIniFile(Registry& registry, std::string_view path, TKeyOpening opening);

  int32_t ReadInteger(std::string_view name, int32_t defaultValue);
  bool ReadBool(std::string_view name, bool defaultValue);
  std::string ReadString(std::string_view name, std::string_view defaultValue);
  void WriteInteger(std::string_view name, int32_t value);
  void WriteBool(std::string_view name, bool value);
  void WriteString(std::string_view name, std::string_view value);

 private:
  std::unique_ptr<RegistryKey> key_;  // none: every read gives its default
};

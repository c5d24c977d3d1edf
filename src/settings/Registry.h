#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// The two parts of the registry the program uses.
enum class TRootKey { CurrentUser, ClassesRoot };

// Whether opening a key that is missing makes it.
enum class TKeyOpening { Existing, OrCreate };

// A value as the registry holds it.
struct RegistryValue {
  enum class Kind { Integer, Text, Other };
  Kind Type = Kind::Other;
  int32_t Integer = 0;
  std::string Text;  // UTF-8
};

// An open registry key; closed when it goes.
class RegistryKey {
 public:
  virtual ~RegistryKey() = default;
  // Nothing when the value is absent.
  virtual std::optional<RegistryValue> Read(std::string_view name) = 0;
  virtual bool WriteInteger(std::string_view name, int32_t value) = 0;
  virtual bool WriteText(std::string_view name, std::string_view value) = 0;
};

// The registry itself. Key paths are absolute within their root, with or without a
// leading backslash ("\Software\Quillfen\Velmora").
class Registry {
 public:
  virtual ~Registry() = default;
  // Nothing when the key is missing (and not to be created) or cannot be opened.
  virtual std::unique_ptr<RegistryKey> OpenKey(TRootKey root, std::string_view path, TKeyOpening opening) = 0;
  // Deletes a key that has no sub-keys.
  virtual bool DeleteKey(TRootKey root, std::string_view path) = 0;
};

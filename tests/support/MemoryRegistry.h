#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "settings/Registry.h"

// A registry in memory. Key paths and value names are matched without regard to
// case, as Windows does. A root can be made read-only (no rights to it).
class MemoryRegistry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(TRootKey root, std::string_view path, TKeyOpening opening) override;
  bool DeleteKey(TRootKey root, std::string_view path) override;

  bool HasKey(TRootKey root, std::string_view path) const;
  // The value, or nothing when the key or the value is missing.
  const RegistryValue* Value(TRootKey root, std::string_view path, std::string_view name) const;
  void Set(TRootKey root, std::string_view path, std::string_view name, RegistryValue value);

  std::set<TRootKey> ReadOnlyRoots;
  // Every write, in order: "<key path>|<value name>".
  std::vector<std::string> Writes;

 private:
  friend class MemoryKey;
  using Key = std::pair<TRootKey, std::string>;
  static std::string Normal(std::string_view text);
  std::map<Key, std::map<std::string, RegistryValue>> keys_;
};

#pragma once

#include "settings/Registry.h"

// The Windows registry.
class Win32Registry : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenKey(TRootKey root, std::string_view path, TKeyOpening opening) override;
  bool DeleteKey(TRootKey root, std::string_view path) override;
};

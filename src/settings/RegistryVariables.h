#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "gui/Placement.h"
#include "settings/Registry.h"

// "\Software\Quillfen\" and the executable's file name without folder and extension.
std::string PlacementKeyPath(std::string_view executablePath);

// A value of the current user's registry, under a key and a name.
class TRegistryVariable {
 public:
  TRegistryVariable(Registry& registry, std::string keyPath, std::string valueName);
  virtual ~TRegistryVariable() = default;

  const std::string KeyPath;
  const std::string ValueName;

 protected:
  Registry& registry_;
};

// An integer that is read when it is made and written by Save. A value that is
// missing or no integer leaves the default; failures are silent either way.
class TRegistryInteger : public TRegistryVariable {
 public:
  TRegistryInteger(Registry& registry, std::string keyPath, std::string valueName, int32_t defaultValue);
  // Writes the value, creating the key when it is missing.
  void Save();

  int32_t Value;
};

// The remembered placement of one window: state, left, top, width and height, read
// when this is made (the window's own placement as defaults), applied by
// RestorePlacement, and written by SavePlacement from where the window is then.
class TRegistryFormInfo {
 public:
  TRegistryFormInfo(PlacedWindow& form, Registry& registry, const std::string& keyPath);
  TRegistryFormInfo(const TRegistryFormInfo&) = delete;
  TRegistryFormInfo& operator=(const TRegistryFormInfo&) = delete;

  void RestorePlacement();
  void SavePlacement();

 private:
  PlacedWindow& form_;
  std::unique_ptr<TRegistryInteger> state_;
  std::unique_ptr<TRegistryInteger> left_;
  std::unique_ptr<TRegistryInteger> top_;
  std::unique_ptr<TRegistryInteger> width_;
  std::unique_ptr<TRegistryInteger> height_;
};

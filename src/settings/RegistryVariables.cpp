#include "settings/RegistryVariables.h"

#include "settings/RegistryObjects.h"

std::string PlacementKeyPath(std::string_view executablePath) {
  std::string_view name = executablePath;
  const size_t folderEnd = name.find_last_of("\\/:");
  if (folderEnd != std::string_view::npos) name.remove_prefix(folderEnd + 1);
  const size_t dot = name.rfind('.');
  if (dot != std::string_view::npos) name = name.substr(0, dot);
  return "\\Software\\Quillfen\\" + std::string(name);
}

TRegistryVariable::TRegistryVariable(Registry& registry, std::string keyPath, std::string valueName)
    : KeyPath(std::move(keyPath)), ValueName(std::move(valueName)), registry_(registry) {}

TRegistryInteger::TRegistryInteger(Registry& registry, std::string keyPath, std::string valueName,
                                   int32_t defaultValue)
    : TRegistryVariable(registry, std::move(keyPath), std::move(valueName)), Value(defaultValue) {
  TRegistry key(registry_);
  if (key.OpenKey(KeyPath, TKeyOpening::Existing)) Value = key.ReadInteger(ValueName).value_or(Value);
}

void TRegistryInteger::Save() {
  TRegistry key(registry_);
  if (key.OpenKey(KeyPath, TKeyOpening::OrCreate)) key.WriteInteger(ValueName, Value);
}

TRegistryFormInfo::TRegistryFormInfo(PlacedWindow& form, Registry& registry, const std::string& keyPath)
    : form_(form) {
  const TPlacement current = form.Placement();
  state_ = std::make_unique<TRegistryInteger>(registry, keyPath, "FormState", current.State);
  left_ = std::make_unique<TRegistryInteger>(registry, keyPath, "FormLeft", current.Left);
  top_ = std::make_unique<TRegistryInteger>(registry, keyPath, "FormTop", current.Top);
  width_ = std::make_unique<TRegistryInteger>(registry, keyPath, "FormWidth", current.Width);
  height_ = std::make_unique<TRegistryInteger>(registry, keyPath, "FormHeight", current.Height);
}

void TRegistryFormInfo::SavePlacement() {
  const TPlacement current = form_.Placement();
  state_->Value = current.State;
  left_->Value = current.Left;
  top_->Value = current.Top;
  width_->Value = current.Width;
  height_->Value = current.Height;
  for (TRegistryInteger* value : {state_.get(), left_.get(), top_.get(), width_.get(), height_.get()}) value->Save();
}

void TRegistryFormInfo::RestorePlacement() {
  const TPlacement stored{state_->Value, left_->Value, top_->Value, width_->Value, height_->Value};
  form_.ApplyPlacement(UsablePlacement(stored, form_.MonitorWorkAreas(), form_.MinimumWidth(), form_.MinimumHeight()));
}

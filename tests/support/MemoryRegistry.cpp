#include "MemoryRegistry.h"

class MemoryKey : public RegistryKey {
 public:
  MemoryKey(MemoryRegistry& registry, MemoryRegistry::Key key) : registry_(registry), key_(std::move(key)) {}

  std::optional<RegistryValue> Read(std::string_view name) override {
    const auto& values = registry_.keys_[key_];
    const auto value = values.find(MemoryRegistry::Normal(name));
    if (value == values.end()) return std::nullopt;
    return value->second;
  }
  bool WriteInteger(std::string_view name, int32_t value) override {
    return Write(name, {RegistryValue::Kind::Integer, value, {}});
  }
  bool WriteText(std::string_view name, std::string_view value) override {
    return Write(name, {RegistryValue::Kind::Text, 0, std::string(value)});
  }

 private:
  bool Write(std::string_view name, RegistryValue value) {
    if (registry_.ReadOnlyRoots.count(key_.first)) return false;
    registry_.Writes.push_back(key_.second + "|" + std::string(name));
    registry_.keys_[key_][MemoryRegistry::Normal(name)] = std::move(value);
    return true;
  }
  MemoryRegistry& registry_;
  MemoryRegistry::Key key_;
};

std::string MemoryRegistry::Normal(std::string_view text) {
  while (!text.empty() && text.front() == '\\') text.remove_prefix(1);
  std::string normal(text);
  for (char& c : normal)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return normal;
}

std::unique_ptr<RegistryKey> MemoryRegistry::OpenKey(TRootKey root, std::string_view path, TKeyOpening opening) {
  Key key{root, Normal(path)};
  if (!keys_.count(key)) {
    if (opening == TKeyOpening::Existing || ReadOnlyRoots.count(root)) return nullptr;
    // Creating a key creates the keys above it.
    for (size_t end = key.second.find('\\'); end != std::string::npos; end = key.second.find('\\', end + 1))
      keys_[{root, key.second.substr(0, end)}];
    keys_[key];
  }
  return std::make_unique<MemoryKey>(*this, key);
}

bool MemoryRegistry::DeleteKey(TRootKey root, std::string_view path) {
  const Key key{root, Normal(path)};
  if (ReadOnlyRoots.count(root) || !keys_.count(key)) return false;
  const std::string below = key.second + "\\";
  for (const auto& [other, values] : keys_)
    if (other.first == root && other.second.compare(0, below.size(), below) == 0) return false;  // has sub-keys
  keys_.erase(key);
  return true;
}

bool MemoryRegistry::HasKey(TRootKey root, std::string_view path) const { return keys_.count({root, Normal(path)}) != 0; }

const RegistryValue* MemoryRegistry::Value(TRootKey root, std::string_view path, std::string_view name) const {
  const auto key = keys_.find({root, Normal(path)});
  if (key == keys_.end()) return nullptr;
  const auto value = key->second.find(Normal(name));
  return value == key->second.end() ? nullptr : &value->second;
}

void MemoryRegistry::Set(TRootKey root, std::string_view path, std::string_view name, RegistryValue value) {
  OpenKey(root, path, TKeyOpening::OrCreate);
  keys_[{root, Normal(path)}][Normal(name)] = std::move(value);
}

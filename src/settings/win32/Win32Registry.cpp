#include "settings/win32/Win32Registry.h"

#include <vector>

#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

HKEY RootHandle(TRootKey root) { return root == TRootKey::ClassesRoot ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER; }

// Key paths are written from the root, "\Software\..."; the API takes them without
// the leading backslash.
std::wstring KeyName(std::string_view path) {
  while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
  return Utf8ToWide(path);
}

class Win32Key : public RegistryKey {
 public:
  explicit Win32Key(HKEY key) : key_(key) {}

  std::optional<RegistryValue> Read(std::string_view name) override {
    const std::wstring valueName = Utf8ToWide(name);
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExW(key_.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    std::vector<BYTE> data(size + sizeof(wchar_t), 0);
    if (RegQueryValueExW(key_.Get(), valueName.c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
      return std::nullopt;
    RegistryValue value;
    if (type == REG_DWORD && size == sizeof(DWORD)) {
      value.Type = RegistryValue::Kind::Integer;
      value.Integer = *reinterpret_cast<const int32_t*>(data.data());
    } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
      value.Type = RegistryValue::Kind::Text;
      std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
      text.resize(wcsnlen(text.c_str(), text.size()));  // the stored terminator, if any
      value.Text = WideToUtf8(text);
    }
    return value;
  }

  bool WriteInteger(std::string_view name, int32_t value) override {
    const DWORD data = static_cast<DWORD>(value);
    return RegSetValueExW(key_.Get(), Utf8ToWide(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
  }

  bool WriteText(std::string_view name, std::string_view value) override {
    const std::wstring text = Utf8ToWide(value);
    return RegSetValueExW(key_.Get(), Utf8ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

 private:
  RegistryKeyHandle key_;
};

}  // namespace

std::unique_ptr<RegistryKey> Win32Registry::OpenKey(TRootKey root, std::string_view path, TKeyOpening opening) {
  HKEY key = nullptr;
  const std::wstring name = KeyName(path);
  const bool create = opening == TKeyOpening::OrCreate;
  const LONG result =
      create ? RegCreateKeyExW(RootHandle(root), name.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr)
             : RegOpenKeyExW(RootHandle(root), name.c_str(), 0, KEY_READ | KEY_WRITE, &key);
  if (result != ERROR_SUCCESS) {
    // Without the right to write, a key can still be read.
    if (create || RegOpenKeyExW(RootHandle(root), name.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return nullptr;
  }
  return std::make_unique<Win32Key>(key);
}

bool Win32Registry::DeleteKey(TRootKey root, std::string_view path) {
  return RegDeleteKeyW(RootHandle(root), KeyName(path).c_str()) == ERROR_SUCCESS;
}

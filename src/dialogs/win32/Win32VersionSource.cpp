#include "dialogs/win32/Win32VersionSource.h"

#include "win32/Files.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

std::string ModulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return WideToUtf8(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);
  }
}

void LoadCaption(unsigned id, std::string& caption) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length > 0 && text) caption = WideToUtf8(std::wstring_view(text, length));
}

}  // namespace

std::vector<uint8_t> Win32VersionSource::ReadVersionBlock(const std::string& path) {
  const std::wstring name = Utf8ToWide(path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &ignored);
  if (size == 0) return {};
  std::vector<uint8_t> block(size);
  if (!GetFileVersionInfoW(name.c_str(), 0, size, block.data())) return {};
  return block;
}

std::string Win32VersionSource::ExecutablePath() { return ::ExecutablePath(); }

std::string Win32VersionSource::ComponentModulePath() { return ModulePath(ThisModule()); }

bool Win32VersionSource::ComponentInExecutable() { return ThisModule() == GetModuleHandleW(nullptr); }

TVersionInfoCaptions VersionCaptionsFromResources() {
  TVersionInfoCaptions captions;
  unsigned id = kVersionCaptionsFirstId;
  for (std::string& caption : captions.PreDefs) LoadCaption(id++, caption);
  for (std::string& caption : captions.Flags) LoadCaption(id++, caption);
  LoadCaption(id++, captions.Resource);
  LoadCaption(id, captions.Value);
  return captions;
}

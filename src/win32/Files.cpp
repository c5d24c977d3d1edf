#include "win32/Files.h"


#include "win32/Handles.h"
#include "win32/RealFileSystem.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

std::optional<std::wstring> FullPath(const std::wstring& path) {
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return std::nullopt;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return std::nullopt;
  full.resize(length);
  // GetFullPathNameW drops a trailing backslash only for "." style paths; keep one.
  if (!path.empty() && (path.back() == L'\\' || path.back() == L'/') && full.back() != L'\\') full += L'\\';
  return full;
}

std::wstring ExtendedLengthPath(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\", 0) == 0) return path;
  const std::optional<std::wstring> absolute = FullPath(path);
  if (!absolute) return path;
  const std::wstring& full = *absolute;
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::optional<uint64_t> CompressedSizeOf(const std::wstring& extendedPath) {
  const RealFileSystem real;
  DWORD high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = GetCompressedFileSizeW(extendedPath.c_str(), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
  return static_cast<uint64_t>(high) << 32 | low;
}

bool FileExists(const std::string& path) {
  const RealFileSystem real;
  const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(Utf8ToWide(path)).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string SystemMessage(unsigned long error) {
  wchar_t* buffer = nullptr;
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                     nullptr, error, 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
  const LocalMemory<wchar_t> owned(buffer);
  std::wstring message(buffer ? buffer : L"", length);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' || message.back() == L' '))
    message.pop_back();
  if (message.empty()) return "error " + std::to_string(error);
  return WideToUtf8(message);
}

std::string ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return WideToUtf8(path);
    }
    path.resize(path.size() * 2);
  }
}

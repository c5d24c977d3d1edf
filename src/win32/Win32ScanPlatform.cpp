#include "win32/Win32ScanPlatform.h"

#include <vector>

#include "support/Utf8.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

FindHandle StartSearch(const std::wstring& pattern, WIN32_FIND_DATAW& found) {
  // Basic information and large fetches save work on Windows 7 and later.
  FindHandle search(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                     nullptr, FIND_FIRST_EX_LARGE_FETCH));
  if (!search && GetLastError() == ERROR_INVALID_PARAMETER)
    search.Reset(FindFirstFileW(pattern.c_str(), &found));
  return search;
}

// True when `tail` holds only names as the walk appends them: no "." or ".." folder,
// no empty name, no forward slash. Anything else needs the full path resolution.
bool IsPlainTail(std::string_view tail) {
  if (tail.find('/') != std::string_view::npos) return false;
  size_t start = 0;
  while (start < tail.size()) {
    size_t end = tail.find('\\', start);
    if (end == std::string_view::npos) end = tail.size();
    const std::string_view name = tail.substr(start, end - start);
    if (name.empty() || name == "." || name == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

std::wstring ExtendedLengthPath(const std::wstring& path) {
  if (path.rfind(L"\\\\?\\", 0) == 0) return path;
  const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return path;
  full.resize(length);
  // GetFullPathNameW drops a trailing backslash only for "." style paths; keep one.
  if (!path.empty() && (path.back() == L'\\' || path.back() == L'/') && full.back() != L'\\') full += L'\\';
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

Win32ScanPlatform::Win32ScanPlatform(std::function<void()> processMessages)
    : processMessages_(std::move(processMessages)) {}

std::wstring Win32ScanPlatform::ExtendedPath(const std::string& path) {
  if (givenRoot_.empty() || path.compare(0, givenRoot_.size(), givenRoot_) != 0 ||
      !IsPlainTail(std::string_view(path).substr(givenRoot_.size()))) {
    givenRoot_ = path;
    extendedRoot_ = ExtendedLengthPath(Utf8ToWide(path));
  }
  return extendedRoot_ + Utf8ToWide(std::string_view(path).substr(givenRoot_.size()));
}

void Win32ScanPlatform::ListFolder(const std::string& folderPath, FolderListing& listing) {
  WIN32_FIND_DATAW found;
  const FindHandle search = StartSearch(ExtendedPath(folderPath) + L"*", found);
  if (!search) return;
  do {
    const uint64_t size = static_cast<uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
    const uint32_t tag = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? found.dwReserved0 : 0;
    name_.clear();
    AppendUtf8(name_, reinterpret_cast<const char16_t*>(found.cFileName));
    listing.Add(name_, found.dwFileAttributes, tag, size);
  } while (FindNextFileW(search.Get(), &found));
}

std::optional<uint64_t> Win32ScanPlatform::CompressedFileSize(const std::string& filePath) {
  DWORD high = 0;
  SetLastError(NO_ERROR);
  const DWORD low = GetCompressedFileSizeW(ExtendedPath(filePath).c_str(), &high);
  if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
  return static_cast<uint64_t>(high) << 32 | low;
}

void Win32ScanPlatform::ProcessMessages() {
  if (processMessages_) processMessages_();
}

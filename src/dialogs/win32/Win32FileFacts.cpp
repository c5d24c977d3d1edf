#include "dialogs/win32/Win32FileFacts.h"

#include "gui/win32/drawing/IconPicture.h"
#include "win32/Files.h"
#include "win32/Handles.h"
#include "win32/RealFileSystem.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

#include <shellapi.h>

namespace {

uint64_t FileTimeValue(const FILETIME& time) {
  return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

std::wstring Extended(const std::string& path) { return ExtendedLengthPath(Utf8ToWide(path)); }

}  // namespace

std::optional<FileFacts::Record> Win32FileFacts::Find(const std::string& path) {
  WIN32_FIND_DATAW found{};
  const RealFileSystem real;
  const FindHandle search(
      FindFirstFileExW(Extended(path).c_str(), FindExInfoStandard, &found, FindExSearchNameMatch, nullptr, 0));
  if (!search) return std::nullopt;
  return Record{.Name = WideToUtf8(found.cFileName),
                .ShortName = WideToUtf8(found.cAlternateFileName),
                .Attributes = found.dwFileAttributes,
                .Size = static_cast<uint64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow,
                .Created = FileTimeValue(found.ftCreationTime),
                .Modified = FileTimeValue(found.ftLastWriteTime),
                .Accessed = FileTimeValue(found.ftLastAccessTime)};
}

std::optional<uint64_t> Win32FileFacts::CompressedSize(const std::string& path) {
  return CompressedSizeOf(Extended(path));
}

FileFacts::Version Win32FileFacts::ReadVersion(const std::string& path) {
  const std::wstring name = Extended(path);
  // The version calls map the file as data only: no code of it is loaded.
  const RealFileSystem real;
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeW(name.c_str(), &ignored);
  if (size == 0) return {};
  Version version{.Present = true, .Block = std::vector<uint8_t>(size)};
  if (!GetFileVersionInfoW(name.c_str(), 0, size, version.Block.data())) version.Block.clear();
  return version;
}

FileFacts::ShellInfo Win32FileFacts::Shell(const std::string& path, std::optional<uint32_t> attributes) {
  SHFILEINFOW info{};
  const UINT flags = SHGFI_ICON | SHGFI_TYPENAME | (attributes ? SHGFI_USEFILEATTRIBUTES : 0);
  if (!SHGetFileInfoW(Utf8ToWide(path).c_str(), attributes.value_or(0), &info, sizeof info, flags)) return {};
  ShellInfo shell{.TypeName = WideToUtf8(info.szTypeName)};
  if (info.hIcon) shell.Icon = std::make_unique<TIconPicture>(::Icon(info.hIcon));
  return shell;
}

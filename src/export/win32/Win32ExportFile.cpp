#include "export/win32/Win32ExportFile.h"

#include <algorithm>
#include <stdexcept>

#include "win32/Files.h"
#include "win32/RealFileSystem.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

Win32ExportFile::Win32ExportFile(const std::string& path) {
  {
    const RealFileSystem real;
    file_.Reset(CreateFileW(ExtendedLengthPath(Utf8ToWide(path)).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN,
                            nullptr));
  }
  LARGE_INTEGER size{};
  if (!file_ || !GetFileSizeEx(file_.Get(), &size))
    throw std::runtime_error("Cannot open " + path + ": " + SystemMessage(GetLastError()));
  size_ = static_cast<uint64_t>(size.QuadPart);
}

std::optional<size_t> Win32ExportFile::Read(std::span<char> into) {
  DWORD read = 0;
  const auto ask = static_cast<DWORD>(std::min<size_t>(into.size(), 1u << 30));
  if (!ReadFile(file_.Get(), into.data(), ask, &read, nullptr)) return std::nullopt;
  return read;
}

#include "ntfs/win32/Win32VolumeDevices.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "win32/Handles.h"
#include "win32/WinApi.h"

#include <winioctl.h>

namespace {

// What the disk driver says of the volume's length or, where the raw device is an
// image file (as Wine's can be), the file's size; nothing when neither answers.
std::optional<uint64_t> Length(HANDLE device) {
  GET_LENGTH_INFORMATION info{};
  DWORD got = 0;
  if (DeviceIoControl(device, IOCTL_DISK_GET_LENGTH_INFO, nullptr, 0, &info, sizeof info, &got, nullptr) &&
      got == sizeof info && info.Length.QuadPart > 0)
    return static_cast<uint64_t>(info.Length.QuadPart);
  LARGE_INTEGER size{};
  if (GetFileSizeEx(device, &size) && size.QuadPart > 0) return static_cast<uint64_t>(size.QuadPart);
  return std::nullopt;
}

class Volume : public ByteSource {
 public:
  explicit Volume(FileHandle device) : device_(std::move(device)), bytes_(Length(device_.Get())) {}
  bool Read(uint64_t offset, std::span<uint8_t> into) override {
    while (!into.empty()) {
      OVERLAPPED at{};
      at.Offset = static_cast<DWORD>(offset);
      at.OffsetHigh = static_cast<DWORD>(offset >> 32);
      const auto ask = static_cast<DWORD>(std::min<size_t>(into.size(), 1u << 30));
      DWORD got = 0;
      if (!ReadFile(device_.Get(), into.data(), ask, &got, &at) || got == 0) return false;
      into = into.subspan(got);
      offset += got;
    }
    return true;
  }
  std::optional<uint64_t> Bytes() const override { return bytes_; }

 private:
  FileHandle device_;
  std::optional<uint64_t> bytes_;
};

}  // namespace

std::unique_ptr<ByteSource> Win32VolumeDevices::Open(char driveLetter) {
  const std::wstring drive = std::wstring(1, static_cast<wchar_t>(driveLetter)) + L":";
  // A substituted drive names a folder ("\??\C:\Data"), whose volume's table would show
  // the tree above it too.
  wchar_t target[MAX_PATH] = {};
  if (!QueryDosDeviceW(drive.c_str(), target, MAX_PATH) || std::wstring_view(target).rfind(L"\\Device\\", 0) != 0)
    return nullptr;
  const std::wstring device = L"\\\\.\\" + drive;
  // Others go on writing while the table is read: a record caught half written fails
  // its fix-ups, and the scan lists folders instead.
  FileHandle volume(CreateFileW(device.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (!volume) return nullptr;
  return std::make_unique<Volume>(std::move(volume));
}

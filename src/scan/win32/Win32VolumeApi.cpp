#include "scan/win32/Win32VolumeApi.h"

#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

// The VWIN32 device exists only on Windows 9x, which runs no 64-bit program; its
// registers carry 32-bit addresses.
#ifndef _WIN64
namespace {

constexpr DWORD kVwin32DosIoctl = 1;  // VWIN32_DIOC_DOS_IOCTL

class Vwin32Device : public VolumeApi::DosDevice {
 public:
  explicit Vwin32Device(FileHandle handle) : handle_(std::move(handle)) {}

  bool Ioctl(VolumeApi::DiocRegisters& registers, VolumeApi::DeviceParams& params) override {
    static_assert(sizeof(VolumeApi::DiocRegisters) == 28);
    registers.Edx = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(params.data()));
    DWORD returned = 0;
    return DeviceIoControl(handle_.Get(), kVwin32DosIoctl, &registers, sizeof registers, &registers,
                           sizeof registers, &returned, nullptr) != FALSE;
  }

 private:
  FileHandle handle_;
};

}  // namespace
#endif

std::optional<VolumeApi::FreeSpace> Win32VolumeApi::DiskFreeSpace(const std::string& root) {
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceW(Utf8ToWide(root).c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                         &totalClusters))
    return std::nullopt;
  return FreeSpace{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
}

std::optional<VolumeApi::FreeSpaceEx> Win32VolumeApi::DiskFreeSpaceEx(const std::string& root) {
  // Looked up by name: the first Windows 95 lacks it.
  using Query = BOOL(WINAPI*)(LPCWSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
  const HMODULE kernel = GetModuleHandleW(L"kernel32");
  if (!kernel) return std::nullopt;
  const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(GetProcAddress(kernel, "GetDiskFreeSpaceExW")));
  if (!query) return std::nullopt;
  ULARGE_INTEGER available{}, total{}, totalFree{};
  if (!query(Utf8ToWide(root).c_str(), &available, &total, &totalFree)) return std::nullopt;
  return FreeSpaceEx{available.QuadPart, total.QuadPart, totalFree.QuadPart};
}

uint32_t Win32VolumeApi::VersionCode() { return GetVersion(); }

std::unique_ptr<VolumeApi::DosDevice> Win32VolumeApi::OpenVwin32() {
#ifdef _WIN64
  return nullptr;
#else
  FileHandle device(CreateFileW(L"\\\\.\\VWIN32", 0, 0, nullptr, 0, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  if (!device) return nullptr;
  return std::make_unique<Vwin32Device>(std::move(device));
#endif
}

std::optional<uint32_t> Win32VolumeApi::VolumeFlags(const std::string& root) {
  DWORD flags = 0;
  if (!GetVolumeInformationW(Utf8ToWide(root).c_str(), nullptr, 0, nullptr, nullptr, &flags, nullptr, 0))
    return std::nullopt;
  return flags;
}

bool Win32VolumeApi::IsVolumeMountPoint(const std::string& folderPath) {
  wchar_t volume[64];  // "\\?\Volume{GUID}\", 50 characters
  return GetVolumeNameForVolumeMountPointW(Utf8ToWide(folderPath).c_str(), volume, 64) != FALSE;
}

#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// The platform calls behind the volume probe. Roots are UTF-8, such as "C:\".
class VolumeApi {
 public:
  struct FreeSpace {
    uint32_t SectorsPerCluster = 0;
    uint32_t BytesPerSector = 0;
    uint32_t FreeClusters = 0;
    uint32_t TotalClusters = 0;
  };
  struct FreeSpaceEx {
    uint64_t FreeBytesAvailable = 0;  // to the caller, after quotas
    uint64_t TotalBytes = 0;
    uint64_t TotalFreeBytes = 0;
  };

  // The MS-DOS register record of the Windows 9x VWIN32 device, 28 bytes.
  struct DiocRegisters {
    uint32_t Ebx = 0, Edx = 0, Ecx = 0, Eax = 0, Edi = 0, Esi = 0, Flags = 0;
  };
  using DeviceParams = std::array<uint8_t, 38>;  // MS-DOS DEVICEPARAMS

  // An open VWIN32 device; closed when destroyed.
  class DosDevice {
   public:
    virtual ~DosDevice() = default;
    // The DOS IOCTL service: `registers` in and out; EDX is pointed at `params` here.
    virtual bool Ioctl(DiocRegisters& registers, DeviceParams& params) = 0;
  };

  virtual ~VolumeApi() = default;

  // Cluster geometry and free clusters; nothing when the platform rejects the root.
  virtual std::optional<FreeSpace> DiskFreeSpace(const std::string& root) = 0;

  // The 64-bit free-space query, which older systems lack: nothing when it is missing
  // or fails.
  virtual std::optional<FreeSpaceEx> DiskFreeSpaceEx(const std::string& root) = 0;

  // The platform's version code; its top bit is set on the Windows 9x family.
  virtual uint32_t VersionCode() = 0;

  // The VWIN32 device, or nothing when it cannot be opened.
  virtual std::unique_ptr<DosDevice> OpenVwin32() = 0;

  // The file-system flags of the volume; nothing when the query fails.
  virtual std::optional<uint32_t> VolumeFlags(const std::string& root) = 0;

  // Whether a folder ("D:\Mounted\") is where another volume is mounted.
  virtual bool IsVolumeMountPoint(const std::string& folderPath) = 0;
};

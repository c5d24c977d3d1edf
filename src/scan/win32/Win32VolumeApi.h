#pragma once

#include "scan/VolumeApi.h"

// The volume probe's calls on Windows.
class Win32VolumeApi : public VolumeApi {
 public:
  std::optional<FreeSpace> DiskFreeSpace(const std::string& root) override;
  std::optional<FreeSpaceEx> DiskFreeSpaceEx(const std::string& root) override;
  uint32_t VersionCode() override;
  std::unique_ptr<DosDevice> OpenVwin32() override;
  std::optional<uint32_t> VolumeFlags(const std::string& root) override;
  bool IsVolumeMountPoint(const std::string& folderPath) override;
};

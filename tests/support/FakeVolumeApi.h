#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "scan/VolumeApi.h"

// A platform whose drives and answers a test sets up. Roots it does not know (network
// paths among them) are rejected, as Windows rejects them.
class FakeVolumeApi : public VolumeApi {
 public:
  struct Drive {
    FreeSpace Space;
    std::optional<FreeSpaceEx> SpaceEx;  // none: the query fails
    std::optional<uint32_t> Flags;
  };

  std::map<std::string, Drive> Drives;
  std::set<std::string> MountPoints;
  bool HasFreeSpaceEx = true;
  uint32_t Version = 0x1DB10106;  // Windows 7
  // The VWIN32 device: whether it opens, whether the call works, what it returns.
  bool DeviceOpens = true;
  bool IoctlSucceeds = true;
  uint32_t ReturnedFlags = 0;
  VolumeApi::DeviceParams ReturnedParams{};
  // What the probe did.
  int ExtendedQueries = 0;
  VolumeApi::DiocRegisters RegistersSent;

  std::optional<FreeSpace> DiskFreeSpace(const std::string& root) override {
    const auto drive = Drives.find(root);
    if (drive == Drives.end()) return std::nullopt;
    return drive->second.Space;
  }
  std::optional<FreeSpaceEx> DiskFreeSpaceEx(const std::string& root) override {
    ++ExtendedQueries;
    if (!HasFreeSpaceEx) return std::nullopt;
    return Drives.at(root).SpaceEx;
  }
  uint32_t VersionCode() override { return Version; }
  std::unique_ptr<DosDevice> OpenVwin32() override {
    if (!DeviceOpens) return nullptr;
    return std::make_unique<Device>(*this);
  }
  bool IsVolumeMountPoint(const std::string& folderPath) override { return MountPoints.contains(folderPath); }
  std::optional<uint32_t> VolumeFlags(const std::string& root) override {
    const auto drive = Drives.find(root);
    if (drive == Drives.end()) return std::nullopt;
    return drive->second.Flags;
  }

 private:
  class Device : public DosDevice {
   public:
    explicit Device(FakeVolumeApi& api) : api_(api) {}
    bool Ioctl(DiocRegisters& registers, DeviceParams& params) override {
      api_.RegistersSent = registers;
      if (!api_.IoctlSucceeds) return false;
      registers.Flags = api_.ReturnedFlags;
      params = api_.ReturnedParams;
      return true;
    }

   private:
    FakeVolumeApi& api_;
  };
};

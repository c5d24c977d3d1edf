#include "scan/VolumeProbe.h"

#include "support/Utf8.h"

namespace {

constexpr uint32_t kFileCompression = 0x10;  // FS_FILE_COMPRESSION
constexpr uint32_t kWindows9xFamily = 0x80000000;

// A product of the platform's answers; the scan needs at least 1.
int32_t ClusterSizeOf(uint32_t bytesPerSector, uint32_t sectorsPerCluster) {
  const auto product = static_cast<int32_t>(bytesPerSector * sectorsPerCluster);
  return product > 0 ? product : 1;
}

// On Windows 9x the free-space call caps its figures for large FAT32 drives, cluster
// size included; the drive's block device tells the real one.
void QueryBlockDeviceClusterSize(const std::string& root, int32_t& clusterSize, VolumeApi& api) {
  const auto device = api.OpenVwin32();
  if (!device) return;
  char letter = root.empty() ? '\0' : root[0];
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  VolumeApi::DiocRegisters registers;
  registers.Ebx = static_cast<uint32_t>(letter - 'A' + 1);  // A = 1, B = 2, C = 3
  registers.Ecx = 0x0860;  // block device category, get device parameters
  registers.Eax = 0x440D;  // generic IOCTL for block devices
  registers.Flags = 1;     // carry set: cleared by a successful call
  VolumeApi::DeviceParams params{};
  if (device->Ioctl(registers, params) && (registers.Flags & 1) == 0) {
    const uint32_t bytesPerSector = params[7] | params[8] << 8;
    clusterSize = ClusterSizeOf(bytesPerSector, params[9]);
  }
}

}  // namespace

bool QueryFreeSpaceEx(const std::string& root, double& freeBytes, int32_t& clusterSize,
                      VolumeApi& api) {
  const auto space = api.DiskFreeSpaceEx(root);
  if (!space) return false;
  freeBytes = static_cast<double>(space->TotalFreeBytes);
  if (api.VersionCode() & kWindows9xFamily) QueryBlockDeviceClusterSize(root, clusterSize, api);
  return true;
}

VolumeFacts ProbeVolume(const std::string& path, VolumeApi& api) {
  VolumeFacts facts;
  const std::string root(FirstCharacters(path, 3));
  if (const auto space = api.DiskFreeSpace(root)) {
    facts.ClusterSize = ClusterSizeOf(space->BytesPerSector, space->SectorsPerCluster);
    if (!QueryFreeSpaceEx(root, facts.FreeBytes, facts.ClusterSize, api))
      facts.FreeBytes = static_cast<double>(space->FreeClusters) * facts.ClusterSize;
  }
  if (const auto flags = api.VolumeFlags(root)) facts.CompressionSupported = (*flags & kFileCompression) != 0;
  return facts;
}

std::optional<VolumeSpace> ProbeVolumeSpace(const std::string& path, VolumeApi& api) {
  const std::string root(FirstCharacters(path, 3));
  if (const auto space = api.DiskFreeSpaceEx(root))
    return VolumeSpace{static_cast<double>(space->TotalBytes), static_cast<double>(space->TotalFreeBytes)};
  if (const auto space = api.DiskFreeSpace(root)) {
    const double cluster = static_cast<double>(space->BytesPerSector) * space->SectorsPerCluster;
    return VolumeSpace{cluster * space->TotalClusters, cluster * space->FreeClusters};
  }
  return std::nullopt;
}

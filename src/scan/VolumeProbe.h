#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "scan/VolumeApi.h"

// What a scan needs to know of the volume; each field has a fallback.
struct VolumeFacts {
  int32_t ClusterSize = 1;
  double FreeBytes = 0;
  bool CompressionSupported = false;
};

// Probes the volume that holds `path` (the scan path, with its trailing backslash).
// Never fails as a whole: network paths and unknown drives give the fallbacks.
VolumeFacts ProbeVolume(const std::string& path, VolumeApi& api);

// The size of the volume that holds `path` and how much of it is free, from the 64-bit
// free-space query, or else from the clusters; none for a root the platform rejects.
struct VolumeSpace {
  double TotalBytes = 0;
  double FreeBytes = 0;
};
std::optional<VolumeSpace> ProbeVolumeSpace(const std::string& path, VolumeApi& api);

// The 64-bit free-space query; on the Windows 9x family it also asks the drive's
// block device for its cluster size. False when the query is missing or fails.
bool QueryFreeSpaceEx(const std::string& root, double& freeBytes, int32_t& clusterSize,
                      VolumeApi& api);

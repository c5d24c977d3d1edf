#pragma once

#include <cstdint>

#include "ntfs/VolumeDevices.h"
#include "scan/FolderList.h"
#include "scan/ScanNotes.h"
#include "scan/ScanPlatform.h"

// How a folder tree is to be scanned.
struct TreeScanRequest {
  int32_t ClusterSize = 1;
  bool Compressed = false;     // compressed files count what they occupy
  bool ReadFileTable = false;  // from the volume's file table, when it can be read
};

// Scans the tree below the root's path: its listings come from the volume's file table
// when asked for, possible and worth it (a drive's root, or a folder whose listing has
// taken as long as reading the table would), otherwise from the platform. Cancelled
// while the table is read, it walks no further.
void ScanTree(TFolderList& root, const TreeScanRequest& request, ScanPlatform& platform, VolumeDevices& devices,
              const ProgressProc& progress, const bool& cancel, ScanNotes* notes);

#include "app/TreeScan.h"

#include "ntfs/FileTableListing.h"

void ScanTree(TFolderList& root, const TreeScanRequest& request, ScanPlatform& platform, VolumeDevices& devices,
              const ProgressProc& progress, const bool& cancel, ScanNotes* notes) {
  FileTableListing listing(platform, devices);
  if (request.ReadFileTable) listing.ReadTableWhenItPays(root.Path(), progress, cancel);
  if (!cancel) root.Scan(cancel, request.ClusterSize, request.Compressed, progress, listing, notes);
}

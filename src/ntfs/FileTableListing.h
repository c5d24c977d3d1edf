#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ntfs/FileTable.h"
#include "ntfs/VolumeDevices.h"
#include "scan/FolderList.h"
#include "scan/ScanPlatform.h"

// The scan's listings from the file table of the volume it scans, when the scanned path
// lies on a local NTFS volume this process may read whole. Otherwise, on any doubt, and
// for any folder the table does not reach, they come from the platform's own listing,
// which stays the reference: the same entries, in the same order, with the same
// attributes and sizes. The table lives as long as this object, one scan.
class FileTableListing : public ScanPlatform {
 public:
  FileTableListing(ScanPlatform& platform, VolumeDevices& devices);

  // Reads the table of the volume of `scanPath` ("D:\...") now, telling its progress as
  // the walk does and letting messages run between reads. False when it is not to
  // be used; `cancel` set during the reading ends it so.
  bool ReadTableOf(const std::string& scanPath, const ProgressProc& progress, const bool& cancel);

  // Reads the table only when that pays: at once for a drive's root, which the walk
  // would list whole; below it, the folders are listed until that has taken as long as
  // reading the table would, and the walk then goes on from the table. `cancel` must
  // outlive the scan.
  void ReadTableWhenItPays(const std::string& scanPath, const ProgressProc& progress, const bool& cancel);

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override;
  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override;
  void ProcessMessages() override;

  // What the table holds besides its names, and of how many records; 0 without one.
  size_t IndexBytes() const { return table_ ? table_->IndexBytes() : 0; }
  uint64_t Records() const { return table_ ? table_->Records() : 0; }

 private:
  // A table not read yet: when the walk began, and once it has gone on for a while the
  // volume and when reading its table would pay.
  struct Deferred {
    std::string ScanPath;
    ProgressProc Progress;
    const bool* Cancel;
    std::chrono::steady_clock::time_point Began;
    std::unique_ptr<ByteSource> Volume;
    std::chrono::steady_clock::time_point ReadWhen;
  };

  // A folder of the table the walk is in, and how far it has gone into its sub-folders.
  struct OpenFolder {
    size_t PathSize;
    uint32_t Folder;
    uint32_t Next;
  };

  bool Read(ByteSource& volume, const std::string& scanPath, const ProgressProc& progress, const bool& cancel);
  void ReadWhenDue();
  // The table's folder at a path of the scan; none outside its volume or what it shows.
  // The walk goes from a folder into its sub-folders, so a path is found from the
  // deepest open folder it lies in: one step from the folder just listed.
  std::optional<uint32_t> Folder(std::string_view folderPath);

  ScanPlatform& platform_;
  VolumeDevices& devices_;
  std::unique_ptr<ntfs::FileTable> table_;
  std::string volumeRoot_;  // "D:\", as the scan names it
  std::optional<Deferred> deferred_;
  std::vector<OpenFolder> open_;  // outermost first
  std::string openPath_;          // the path of the deepest
  std::chrono::steady_clock::time_point messagesRan_;
};

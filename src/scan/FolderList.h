#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scan/FolderData.h"
#include "scan/FolderScanner.h"

// Only the tree makes the levels below a root.
class SubLevelKey {
  SubLevelKey() = default;
  friend class TFolderList;
};

// One folder level: its entries in the order they were added, and the totals of the
// whole sub-tree below it. The root level owns the memory of the entire tree; every
// level below it is made from what a scan finds and lives until the root is cleared or
// reset. A level is added to its parent's entries and totals only once it is complete.
class TFolderList {
 public:
  // The root level; "." stands for the path until the first Reset.
  explicit TFolderList(std::string path = ".");
  ~TFolderList();
  // A level below `parent`, for the folder of that name.
  TFolderList(SubLevelKey, TFolderList& parent, const char* folderName);
  TFolderList(const TFolderList&) = delete;
  TFolderList& operator=(const TFolderList&) = delete;

  // Entries, in insertion order.
  const std::vector<TFolderData*>& Entries() const { return entries_; }
  int32_t Count() const { return static_cast<int32_t>(entries_.size()); }

  // Appends a file entry and adds it to the totals (the free-space entry comes this way too).
  void AddFile(std::string_view name, double nominal, double allocated);

  // Takes an entry of this level (a file, or a folder with all below it) out of the
  // tree, as if the scan had never found it: this level and every level above it lose
  // its sizes and counts. Its record stays readable until the tree is cleared.
  void Remove(const TFolderData& entry);

  // Empties the level; totals stay. On the root this frees the whole tree.
  void Clear();

  // Root only: Clear, then take the path of the next scan.
  void Reset(std::string path);

  // Fills this level and every level below it from the disk (FolderScanner). `cancel`
  // is read after every entry; `progress` gets "Scanning <path>..." once per folder,
  // just before messages are let run and the folder is listed. What could not be
  // listed, entered or measured goes into `notes`, when given.
  void Scan(const bool& cancel, int32_t clusterSize, bool compressed, const ProgressProc& progress,
            ScanPlatform& platform, ScanNotes* notes = nullptr);

  double NominalTotal() const { return nominalTotal_; }
  double AllocatedTotal() const { return allocatedTotal_; }
  double SlackTotal() const { return slackTotal_; }
  int32_t FileCount() const { return fileCount_; }
  int32_t FolderCount() const { return folderCount_; }
  TFolderList* Parent() const { return parent_; }
  // The folder could not be listed, or not wholly (the scan was cancelled in it).
  bool ReadError() const { return readError_; }
  // Some folder below this one could not be listed, or not wholly: its totals may
  // count less than the disk holds.
  bool ReadErrorBelow() const { return readErrorBelow_; }
  // The folder is a link that leads elsewhere: shown, never entered.
  bool NotEntered() const { return notEntered_; }

  // For a file of this tree with more than one name on its volume, its number and how
  // many names it has; none otherwise, or when the listing did not tell.
  const HardLink* HardLinkOf(const TFolderData& file) const;
  // How many files of the tree came from a listing that told no link count.
  uint64_t FilesWithoutLinkCount() const;
  // Every file of the tree with more than one name, under each name.
  void ForEachHardLink(const std::function<void(const TFolderData&, const HardLink&)>& visit) const;

  // Full path with a trailing separator, such as C:\Data\Reports\ or /usr/lib/.
  std::string Path() const;

  // The longest full path of a file in the sub-tree, and its length in UTF-16 units
  // (the characters Windows counts); empty and 0 when the sub-tree holds no file.
  std::string LongestPath() const;
  int32_t LongestPathLength() const { return longestPathLength_; }

 private:
  struct Tree;     // the root's: every record, level and name
  class Builder;   // what a scan finds, made into levels and totals

  void ResetTotals();
  // After an entry went: the longest path and the read errors below, from what is left.
  void RecountAfterRemoval();
  void ReserveOneMore();
  void ConsiderLongestFile(const TFolderData& file, int32_t pathLength);

  double nominalTotal_ = 0;
  double allocatedTotal_ = 0;
  double slackTotal_ = 0;
  int32_t fileCount_ = 0;
  int32_t folderCount_ = 0;
  int32_t longestPathLength_ = 0;
  int32_t pathLength_ = 0;  // UTF-16 units of Path()
  bool readError_ = false;
  bool readErrorBelow_ = false;
  bool notEntered_ = false;
  TFolderList* parent_ = nullptr;
  const char* folderName_ = "";  // below the root: this folder's name
  const TFolderData* longestFile_ = nullptr;
  Tree* tree_;
  std::unique_ptr<Tree> ownTree_;  // the root's
  std::vector<TFolderData*> entries_;
};

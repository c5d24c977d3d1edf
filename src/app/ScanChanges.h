#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "scan/FolderList.h"
#include "support/DateTimeFormat.h"

// What is kept of a finished scan to tell later what changed: for every folder (the
// root first, then depth first) the hash of its path, its allocated size, its file
// count and where its parent is, 24 bytes, and the paths of the largest folders, so
// that they can be named once they are gone.
class ScanSnapshot {
 public:
  static constexpr size_t kNamed = 1024;

  ScanSnapshot(const TFolderList& root, const DateTime& taken);

  // The memory it keeps.
  size_t Bytes() const;

 private:
  friend class ChangeFinder;
  struct Folder {
    uint64_t PathHash;
    double Allocated;
    uint32_t Files;
    uint32_t Parent;  // its index; the root's is its own
  };
  static_assert(sizeof(Folder) == 24);

  DateTime taken_;
  std::vector<Folder> folders_;
  std::vector<std::pair<uint32_t, std::string>> names_;  // by folder index
};

// A folder whose sub-tree changed between two scans of the same path.
struct FolderChange {
  std::string Path;  // with its trailing backslash; "…\" stands for names not kept
  double Before = 0;  // in the measure compared: allocated bytes or files
  double After = 0;
  bool New = false;   // not there before
  bool Gone = false;  // not there now
  double Change() const { return After - Before; }
};

// What changed since the previous scan: its time, the totals, and the folders that
// grew and shrank most. A folder is listed where its change is its own: not when more
// than half of it is one sub-folder's change (that sub-folder is listed instead), so
// growth deep down is shown where it happened, not at each folder above it.
struct ScanChanges {
  static constexpr size_t kListed = 25;
  DateTime Previous;
  double TotalBefore = 0;
  double TotalAfter = 0;
  std::vector<FolderChange> Grown;   // most growth first; equal changes by path
  std::vector<FolderChange> Shrunk;  // most shrinking first; likewise
};

// Folders are compared by allocated size, or by their counts of files.
enum class ChangeMeasure { Allocated, Files };

// Compares the tree of a finished scan with what was kept of the scan before it; a
// folder moved shows as gone at its old place and new at its new one.
ScanChanges CompareScans(const ScanSnapshot& before, const TFolderList& now, ChangeMeasure measure);

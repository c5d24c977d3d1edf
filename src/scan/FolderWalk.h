#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "scan/FolderList.h"
#include "scan/ScanNotes.h"
#include "scan/ScanPlatform.h"

// The depth-first walk behind TFolderList::Scan. It keeps its own stack of pending
// levels instead of recursing, so no tree is too deep for the thread's stack.
class FolderWalk {
 public:
  FolderWalk(const bool& cancel, int32_t clusterSize, bool compressed, const ProgressProc& progress,
             ScanPlatform& platform, ScanNotes* notes);
  void Run(TFolderList& root);

 private:
  struct Pending {
    TFolderList* Level;
    TFolderData* FolderEntry;  // the entry waiting in the level above; none for the root
    size_t Next;               // index of the next listed entry to take
    size_t ParentPathSize;     // length of path_ before this level's name was added
  };

  void Enter(TFolderList& level, TFolderData* folderEntry);
  void Leave();
  void StopLevelIfCancelled();
  TFolderData& BeginFolder(TFolderList& level, std::string_view name);
  void EndFolder(TFolderList& level, TFolderData& folder);
  void AddFile(TFolderList& level, const FoundEntry& file);

  const bool& cancel_;
  const int32_t clusterSize_;
  const bool compressed_;
  const ProgressProc& progress_;
  ScanPlatform& platform_;
  ScanNotes* notes_;
  std::vector<Pending> stack_;
  std::deque<FolderListing> listings_;  // one per depth, reused; never moved
  std::string path_;                     // path of the level on top, ends with a backslash
  std::string scratch_;
};

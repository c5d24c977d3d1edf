#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "scan/ScanNotes.h"
#include "scan/ScanPlatform.h"

using ProgressProc = std::function<void(const std::string& text)>;

// The size rounded up to whole clusters; a cluster size of 1 (or less) leaves it unchanged.
double RoundUpToClusters(int32_t clusterSize, double size);

// What a scan finds, in the order it finds it. The root is entered first; each folder
// entered is listed, its entries follow in the listing's order (a sub-folder entered
// in its turn, with all below it), and its end last.
class ScanFindings {
 public:
  virtual ~ScanFindings() = default;
  // The folder entered last was listed, or not (then its listing is empty), and that
  // many of its entries follow unless the scan is cancelled.
  virtual void Listed(ListingOutcome outcome, size_t entries) = 0;
  // A file, with what it counts as: its compressed size or its size, and what it
  // occupies.
  virtual void File(const FoundEntry& file, double nominal, double allocated) = 0;
  // A sub-folder, entered now: its listing comes next.
  virtual void FolderEntered(std::string_view name) = 0;
  // A sub-folder that leads elsewhere: shown, never entered.
  virtual void LinkFound(std::string_view name) = 0;
  // The scan was cancelled in the folder on top: what is left of its listing is not
  // taken, and its end follows.
  virtual void Cancelled() = 0;
  virtual void FolderEnd() = 0;
};

// The depth-first scan of a folder through the platform's listings. It keeps its own
// stack of pending folders instead of recursing, so no tree is too deep for the
// thread's stack.
class FolderScanner {
 public:
  FolderScanner(const bool& cancel, int32_t clusterSize, bool compressed, const ProgressProc& progress,
                ScanPlatform& platform, ScanNotes* notes);
  // `rootPath` ends with its separator.
  void Run(std::string rootPath, ScanFindings& findings);

 private:
  struct Pending {
    size_t Next;            // index of the next listed entry to take
    size_t ParentPathSize;  // length of path_ before this folder's name was added
  };

  void Enter(size_t parentPathSize);
  void Leave();
  void CheckCancel();
  void AddFile(const FoundEntry& file);

  const bool& cancel_;
  const int32_t clusterSize_;
  const bool compressed_;
  const ProgressProc& progress_;
  ScanPlatform& platform_;
  ScanNotes* notes_;
  ScanFindings* findings_ = nullptr;
  std::vector<Pending> stack_;
  std::deque<FolderListing> listings_;  // one per depth, reused; never moved
  std::string path_;                     // path of the folder on top, ends with its separator
  std::string scratch_;
};

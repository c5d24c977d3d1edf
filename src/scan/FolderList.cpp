#include "scan/FolderList.h"

#include <algorithm>
#include <cmath>

#include "scan/FolderTreeStorage.h"
#include "scan/FolderWalk.h"
#include "support/Utf8.h"

double RoundUpToClusters(int32_t clusterSize, double size) {
  if (clusterSize <= 1) return size;
  // Whole clusters, truncated towards zero; in doubles this is exact for every size
  // below 2^53 and cannot overflow for larger ones.
  return std::trunc((size + (clusterSize - 1)) / clusterSize) * clusterSize;
}

TFolderList* TFolderData::ParentLevel() const { return OwnerList ? OwnerList->Parent() : nullptr; }

TFolderList::TFolderList(std::string path)
    : pathLength_(Utf16Length(path)),
      storage_(nullptr),
      ownStorage_(std::make_unique<FolderTreeStorage>(std::move(path))) {
  storage_ = ownStorage_.get();
}

TFolderList::TFolderList(SubLevelKey, TFolderList& parent, const char* folderName)
    : pathLength_(parent.pathLength_ + Utf16Length(folderName) + 1),
      parent_(&parent),
      folderName_(folderName),
      storage_(parent.storage_) {}

TFolderList::~TFolderList() = default;

void TFolderList::AddFile(std::string_view name, double nominal, double allocated) {
  ReserveOneMore();  // nothing changes if this throws
  TFolderData& file = storage_->NewRecord(name);
  file.Nominal = nominal;
  file.Allocated = allocated;
  file.Slack = std::max(0.0, allocated - nominal);  // a sparse file takes less than its size
  file.FileCount = 1;
  file.OwnerList = this;
  entries_.push_back(&file);
  nominalTotal_ += nominal;
  allocatedTotal_ += allocated;
  slackTotal_ += file.Slack;
  ++fileCount_;
}

void TFolderList::Clear() {
  entries_.clear();
  if (ownStorage_) ownStorage_->Clear();
}

void TFolderList::Reset(std::string path) {
  Clear();
  pathLength_ = Utf16Length(path);
  storage_->RootPath = std::move(path);
}

void TFolderList::Scan(const bool& cancel, int32_t clusterSize, bool compressed,
                       const ProgressProc& progress, ScanPlatform& platform, ScanNotes* notes) {
  FolderWalk(cancel, clusterSize, compressed, progress, platform, notes).Run(*this);
}

std::string TFolderList::Path() const {
  // Iterative: trees may be many thousands of levels deep.
  std::vector<const TFolderList*> chain;
  for (const TFolderList* level = this; level->parent_; level = level->parent_) chain.push_back(level);
  std::string path = storage_->RootPath;
  const char separator = PathSeparator(path);
  for (auto level = chain.rbegin(); level != chain.rend(); ++level) {
    path += (*level)->folderName_;
    path += separator;
  }
  return path;
}

std::string TFolderList::LongestPath() const {
  if (!longestFile_) return {};
  return longestFile_->OwnerList->Path() + std::string(longestFile_->Name());
}

const HardLink* TFolderList::HardLinkOf(const TFolderData& file) const {
  const auto found = storage_->HardLinks().find(&file);
  return found != storage_->HardLinks().end() ? &found->second : nullptr;
}

uint64_t TFolderList::FilesWithoutLinkCount() const { return storage_->FilesWithoutLinkCount(); }

void TFolderList::ForEachHardLink(const std::function<void(const TFolderData&, const HardLink&)>& visit) const {
  for (const auto& [file, link] : storage_->HardLinks()) visit(*file, link);
}

void TFolderList::ResetTotals() {
  nominalTotal_ = allocatedTotal_ = slackTotal_ = 0;
  fileCount_ = folderCount_ = longestPathLength_ = 0;
  readError_ = notEntered_ = false;
  longestFile_ = nullptr;
}

void TFolderList::ReserveOneMore() {
  if (entries_.size() == entries_.capacity()) entries_.reserve(std::max<size_t>(4, entries_.capacity() * 2));
}

void TFolderList::Append(TFolderData& entry) { entries_.push_back(&entry); }

void TFolderList::AddToTotals(const TFolderList& level) {
  nominalTotal_ += level.nominalTotal_;
  allocatedTotal_ += level.allocatedTotal_;
  slackTotal_ += level.slackTotal_;
  fileCount_ += level.fileCount_;
  folderCount_ += level.folderCount_;
  if (longestPathLength_ < level.longestPathLength_) {
    longestPathLength_ = level.longestPathLength_;
    longestFile_ = level.longestFile_;
  }
}

void TFolderList::ConsiderLongestFile(const TFolderData& file, int32_t pathLength) {
  if (longestPathLength_ < pathLength) {
    longestPathLength_ = pathLength;
    longestFile_ = &file;
  }
}

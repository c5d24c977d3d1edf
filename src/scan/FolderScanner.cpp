#include "scan/FolderScanner.h"

#include <cmath>

#include "scan/ReparsePoints.h"

namespace {

bool IsDotFolder(const FoundEntry& entry) {
  return (entry.Attributes & kAttributeDirectory) && (entry.Name == "." || entry.Name == "..");
}

}  // namespace

double RoundUpToClusters(int32_t clusterSize, double size) {
  if (clusterSize <= 1) return size;
  // Whole clusters, truncated towards zero; in doubles this is exact for every size
  // below 2^53 and cannot overflow for larger ones.
  return std::trunc((size + (clusterSize - 1)) / clusterSize) * clusterSize;
}

FolderScanner::FolderScanner(const bool& cancel, int32_t clusterSize, bool compressed, const ProgressProc& progress,
                             ScanPlatform& platform, ScanNotes* notes)
    : cancel_(cancel),
      clusterSize_(clusterSize),
      compressed_(compressed),
      progress_(progress),
      platform_(platform),
      notes_(notes) {}

void FolderScanner::Run(std::string rootPath, ScanFindings& findings) {
  findings_ = &findings;
  path_ = std::move(rootPath);
  Enter(path_.size());
  while (!stack_.empty()) {
    Pending& top = stack_.back();
    const FolderListing& listing = listings_[stack_.size() - 1];
    if (top.Next == listing.Count()) {
      Leave();
      continue;
    }
    const FoundEntry entry = listing[top.Next++];
    if (!(entry.Attributes & kAttributeDirectory)) {
      AddFile(entry);
    } else if (!IsDotFolder(entry)) {
      const size_t parentPathSize = path_.size();
      if (LeadsElsewhere(entry.Attributes, entry.ReparseTag)) {
        if (notes_) notes_->NotEntered.Add(path_ + std::string(entry.Name) + PathSeparator(path_), entry.ReparseTag);
        findings_->LinkFound(entry.Name);
      } else {
        findings_->FolderEntered(entry.Name);
        path_ += entry.Name;
        path_ += PathSeparator(path_);
        Enter(parentPathSize);  // the cancel check follows when it is left
        continue;
      }
    }
    CheckCancel();
  }
}

void FolderScanner::Enter(size_t parentPathSize) {
  stack_.push_back({0, parentPathSize});
  if (progress_) progress_("Scanning " + path_ + "...");
  platform_.ProcessMessages();
  if (listings_.size() < stack_.size()) listings_.emplace_back();
  FolderListing& listing = listings_[stack_.size() - 1];
  listing.Clear();
  const ListingOutcome outcome = platform_.ListFolder(path_, listing);
  if (outcome != ListingOutcome::Listed && notes_) notes_->Unreadable.Add(path_, static_cast<uint32_t>(outcome));
  size_t entries = 0;
  for (size_t i = 0; i < listing.Count(); ++i) entries += !IsDotFolder(listing[i]);
  findings_->Listed(outcome, entries);
}

void FolderScanner::Leave() {
  const Pending done = stack_.back();
  stack_.pop_back();
  path_.resize(done.ParentPathSize);
  findings_->FolderEnd();
  if (!stack_.empty()) CheckCancel();
}

void FolderScanner::CheckCancel() {
  if (!cancel_) return;
  stack_.back().Next = listings_[stack_.size() - 1].Count();
  findings_->Cancelled();
}

void FolderScanner::AddFile(const FoundEntry& file) {
  auto nominal = static_cast<double>(file.Size);
  if (compressed_ && (file.Attributes & kAttributeCompressed)) {
    scratch_ = path_;
    scratch_ += file.Name;
    if (const auto compressedSize = platform_.CompressedFileSize(scratch_))
      nominal = static_cast<double>(*compressedSize);
    else if (notes_)
      notes_->NoCompressedSize.Add(scratch_, 0);
  }
  const double allocated = file.Allocated == kAllocatedFromClusters ? RoundUpToClusters(clusterSize_, nominal)
                                                                    : static_cast<double>(file.Allocated);
  findings_->File(file, nominal, allocated);
  if (notes_ && (file.Attributes & (kAttributeOffline | kAttributeRecallOnDataAccess))) {
    ++notes_->OnlineOnlyFiles;
    notes_->OnlineOnlyNominal += nominal;
  }
}

#include "scan/FolderWalk.h"

#include "scan/FolderTreeStorage.h"
#include "scan/ReparsePoints.h"
#include "support/Utf8.h"

namespace {

bool IsDotFolder(const FoundEntry& entry) {
  return (entry.Attributes & kAttributeDirectory) && (entry.Name == "." || entry.Name == "..");
}

}  // namespace

FolderWalk::FolderWalk(const bool& cancel, int32_t clusterSize, bool compressed,
                       const ProgressProc& progress, ScanPlatform& platform, ScanNotes* notes)
    : cancel_(cancel),
      clusterSize_(clusterSize),
      compressed_(compressed),
      progress_(progress),
      platform_(platform),
      notes_(notes) {}

void FolderWalk::Run(TFolderList& root) {
  path_ = root.Path();
  Enter(root, nullptr);
  while (!stack_.empty()) {
    Pending& top = stack_.back();
    const FolderListing& listing = listings_[stack_.size() - 1];
    if (top.Next == listing.Count()) {
      Leave();
      continue;
    }
    const FoundEntry entry = listing[top.Next++];
    TFolderList& level = *top.Level;
    if (entry.Attributes & kAttributeDirectory) {
      if (IsDotFolder(entry)) {
        StopLevelIfCancelled();
        continue;
      }
      TFolderData& folder = BeginFolder(level, entry.Name);
      if (LeadsElsewhere(entry.Attributes, entry.ReparseTag)) {
        if (notes_) notes_->NotEntered.Add(path_ + std::string(entry.Name) + PathSeparator(path_), entry.ReparseTag);
        folder.SubList->notEntered_ = true;
        EndFolder(level, folder);  // shown, counted, never entered
        StopLevelIfCancelled();
      } else {
        Enter(*folder.SubList, &folder);  // the cancel check follows when it is left
      }
      continue;
    }
    AddFile(level, entry);
    StopLevelIfCancelled();
  }
}

void FolderWalk::Enter(TFolderList& level, TFolderData* folderEntry) {
  level.ResetTotals();
  const size_t parentPathSize = path_.size();
  if (folderEntry) {
    path_ += level.folderName_;
    path_ += PathSeparator(path_);
  }
  stack_.push_back({&level, folderEntry, 0, parentPathSize});
  if (progress_) progress_("Scanning " + path_ + "...");
  platform_.ProcessMessages();
  if (listings_.size() < stack_.size()) listings_.emplace_back();
  FolderListing& listing = listings_[stack_.size() - 1];
  listing.Clear();
  const ListingOutcome outcome = platform_.ListFolder(path_, listing);
  if (outcome != ListingOutcome::Listed) {
    level.readError_ = true;
    if (notes_) notes_->Unreadable.Add(path_, static_cast<uint32_t>(outcome));
  }
  // Room for exactly what the listing adds, so no level holds spare capacity.
  size_t added = 0;
  for (size_t i = 0; i < listing.Count(); ++i) added += !IsDotFolder(listing[i]);
  level.entries_.reserve(level.entries_.size() + added);
}

void FolderWalk::Leave() {
  const Pending done = stack_.back();
  stack_.pop_back();
  path_.resize(done.ParentPathSize);
  if (!done.FolderEntry) return;
  EndFolder(*stack_.back().Level, *done.FolderEntry);
  StopLevelIfCancelled();
}

void FolderWalk::StopLevelIfCancelled() {
  if (!cancel_) return;
  stack_.back().Next = listings_[stack_.size() - 1].Count();
  stack_.back().Level->readError_ = true;  // not wholly listed
}

TFolderData& FolderWalk::BeginFolder(TFolderList& level, std::string_view name) {
  level.ReserveOneMore();  // so that EndFolder cannot fail
  FolderTreeStorage& storage = *level.storage_;
  scratch_.assign(1, '\\');
  scratch_ += name;
  TFolderData& folder = storage.NewRecord(scratch_);
  TFolderList& sub = storage.NewLevel(level, folder.NameText + 1);
  TFolderData& up = storage.NewRecord("..");
  up.OwnerList = &sub;
  sub.Append(up);
  folder.OwnerList = &level;
  folder.SubList = &sub;
  ++level.folderCount_;
  return folder;
}

void FolderWalk::EndFolder(TFolderList& level, TFolderData& folder) {
  const TFolderList& sub = *folder.SubList;
  folder.Nominal = sub.nominalTotal_;
  folder.Allocated = sub.allocatedTotal_;
  folder.Slack = sub.slackTotal_;
  folder.FileCount = sub.fileCount_;
  level.Append(folder);
  level.AddToTotals(sub);
}

void FolderWalk::AddFile(TFolderList& level, const FoundEntry& file) {
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
  level.AddFile(file.Name, nominal, allocated);
  const TFolderData& added = *level.entries_.back();
  level.storage_->NoteLinks(added, file.FileId, file.Links);
  if (notes_ && (file.Attributes & (kAttributeOffline | kAttributeRecallOnDataAccess))) {
    ++notes_->OnlineOnlyFiles;
    notes_->OnlineOnlyNominal += nominal;
  }
  level.ConsiderLongestFile(added, level.pathLength_ + Utf16Length(file.Name));
}

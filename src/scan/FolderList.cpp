#include "scan/FolderList.h"

#include <algorithm>
#include <deque>
#include <stdexcept>

#include "scan/FolderTreeStorage.h"
#include "scan/TreeWalk.h"
#include "support/Utf8.h"

struct TFolderList::Tree {
  explicit Tree(std::string rootPath) : Storage(std::move(rootPath)) {}
  FolderTreeStorage Storage;
  std::deque<TFolderList> Levels;  // below the root; they never move
};

// Keeps the levels open from the root to the folder the scan is in, and owns every
// total and flag of them: a level's own are set while it is open, and it adds into its
// parent when it ends.
class TFolderList::Builder final : public ScanFindings {
 public:
  explicit Builder(TFolderList& root) : tree_(*root.tree_) {
    root.ResetTotals();
    open_.push_back({&root, nullptr});
  }

  void Listed(ListingOutcome outcome, size_t entries) override {
    TFolderList& level = *open_.back().Level;
    if (outcome != ListingOutcome::Listed) level.readError_ = true;
    // Room for exactly what the listing adds, so no level holds spare capacity.
    level.entries_.reserve(level.entries_.size() + entries);
  }

  void File(const FoundEntry& file, double nominal, double allocated) override {
    TFolderList& level = *open_.back().Level;
    level.AddFile(file.Name, nominal, allocated);
    const TFolderData& added = *level.entries_.back();
    tree_.Storage.NoteLinks(added, file.FileId, file.Links);
    level.ConsiderLongestFile(added, level.pathLength_ + Utf16Length(file.Name));
  }

  void FolderEntered(std::string_view name) override {
    TFolderData& folder = BeginFolder(name);
    open_.push_back({folder.SubList, &folder});
  }

  void LinkFound(std::string_view name) override {
    TFolderData& folder = BeginFolder(name);
    folder.SubList->notEntered_ = true;
    EndFolder(folder);  // shown, counted, never entered
  }

  void Cancelled() override { open_.back().Level->readError_ = true; }  // not wholly listed

  void FolderEnd() override {
    TFolderData* folderEntry = open_.back().FolderEntry;
    open_.pop_back();
    if (folderEntry) EndFolder(*folderEntry);
  }

 private:
  struct Open {
    TFolderList* Level;
    TFolderData* FolderEntry;  // the entry waiting in the level above; none for the root
  };

  // A sub-folder's entry and level, not yet in the level on top.
  TFolderData& BeginFolder(std::string_view name) {
    TFolderList& level = *open_.back().Level;
    level.ReserveOneMore();  // so that EndFolder cannot fail
    scratch_.assign(1, '\\');
    scratch_ += name;
    TFolderData& folder = tree_.Storage.NewRecord(scratch_);
    TFolderList& sub = tree_.Levels.emplace_back(SubLevelKey(), level, folder.NameText + 1);
    TFolderData& up = tree_.Storage.NewRecord("..");
    up.OwnerList = &sub;
    sub.entries_.push_back(&up);
    folder.OwnerList = &level;
    folder.SubList = &sub;
    ++level.folderCount_;
    return folder;
  }

  // The sub-folder complete: into the level on top, with all it counts.
  void EndFolder(TFolderData& folder) {
    TFolderList& level = *open_.back().Level;
    const TFolderList& sub = *folder.SubList;
    folder.Nominal = sub.nominalTotal_;
    folder.Allocated = sub.allocatedTotal_;
    folder.FileCount = sub.fileCount_;
    level.entries_.push_back(&folder);
    level.nominalTotal_ += sub.nominalTotal_;
    level.allocatedTotal_ += sub.allocatedTotal_;
    level.slackTotal_ += sub.slackTotal_;
    level.fileCount_ += sub.fileCount_;
    level.folderCount_ += sub.folderCount_;
    level.readErrorBelow_ = level.readErrorBelow_ || sub.readError_ || sub.readErrorBelow_;
    if (level.longestPathLength_ < sub.longestPathLength_) {
      level.longestPathLength_ = sub.longestPathLength_;
      level.longestFile_ = sub.longestFile_;
    }
  }

  Tree& tree_;
  std::vector<Open> open_;
  std::string scratch_;
};

double TFolderData::Slack() const {
  return SubList ? SubList->SlackTotal() : std::max(0.0, Allocated - Nominal);
}

TFolderList* TFolderData::ParentLevel() const { return OwnerList ? OwnerList->Parent() : nullptr; }

TFolderList::TFolderList(std::string path)
    : pathLength_(Utf16Length(path)), tree_(nullptr), ownTree_(std::make_unique<Tree>(std::move(path))) {
  tree_ = ownTree_.get();
}

TFolderList::TFolderList(SubLevelKey, TFolderList& parent, const char* folderName)
    : pathLength_(parent.pathLength_ + Utf16Length(folderName) + 1),
      parent_(&parent),
      folderName_(folderName),
      tree_(parent.tree_) {}

TFolderList::~TFolderList() = default;

void TFolderList::AddFile(std::string_view name, double nominal, double allocated) {
  ReserveOneMore();  // nothing changes if this throws
  TFolderData& file = tree_->Storage.NewRecord(name);
  file.Nominal = nominal;
  file.Allocated = allocated;
  file.FileCount = 1;
  file.OwnerList = this;
  entries_.push_back(&file);
  nominalTotal_ += nominal;
  allocatedTotal_ += allocated;
  slackTotal_ += file.Slack();
  ++fileCount_;
}

void TFolderList::Remove(const TFolderData& entry) {
  const auto found = std::find(entries_.begin(), entries_.end(), &entry);
  if (found == entries_.end() || !IsFileOrFolder(entry)) throw std::logic_error("Not an entry of this level.");
  const int32_t folders = entry.SubList ? 1 + entry.SubList->folderCount_ : 0;
  const double slack = entry.Slack();
  if (entry.SubList) {
    for (TreeWalk walk(*entry.SubList); walk.Next() != TreeWalk::Step::Done;)
      tree_->Storage.ForgetLinks(walk.Entry());
  } else {
    tree_->Storage.ForgetLinks(entry);
  }
  entries_.erase(found);
  // Each level up loses the entry's figures, and so does the entry that stands for it
  // in the level above.
  for (TFolderList* level = this; level; level = level->parent_) {
    level->nominalTotal_ -= entry.Nominal;
    level->allocatedTotal_ -= entry.Allocated;
    level->slackTotal_ -= slack;
    level->fileCount_ -= entry.FileCount;
    level->folderCount_ -= folders;
    level->RecountAfterRemoval();
    if (!level->parent_) break;
    for (TFolderData* folder : level->parent_->entries_) {
      if (folder->SubList != level) continue;
      folder->Nominal = level->nominalTotal_;
      folder->Allocated = level->allocatedTotal_;
      folder->FileCount = level->fileCount_;
    }
  }
}

void TFolderList::RecountAfterRemoval() {
  // Entries in the order the scan added them, so equal lengths keep the same winner.
  longestPathLength_ = 0;
  longestFile_ = nullptr;
  readErrorBelow_ = false;
  for (const TFolderData* entry : entries_) {
    if (const TFolderList* sub = entry->SubList) {
      readErrorBelow_ = readErrorBelow_ || sub->readError_ || sub->readErrorBelow_;
      if (longestPathLength_ < sub->longestPathLength_) {
        longestPathLength_ = sub->longestPathLength_;
        longestFile_ = sub->longestFile_;
      }
    } else if (IsFileOrFolder(*entry)) {
      ConsiderLongestFile(*entry, pathLength_ + Utf16Length(entry->Name()));
    }
  }
}

void TFolderList::Clear() {
  entries_.clear();
  if (!ownTree_) return;
  // Levels first: their entry lists point at records.
  ownTree_->Levels.clear();
  ownTree_->Storage.Clear();
}

void TFolderList::Reset(std::string path) {
  Clear();
  pathLength_ = Utf16Length(path);
  tree_->Storage.RootPath = std::move(path);
}

void TFolderList::Scan(const bool& cancel, int32_t clusterSize, bool compressed,
                       const ProgressProc& progress, ScanPlatform& platform, ScanNotes* notes) {
  Builder builder(*this);
  FolderScanner(cancel, clusterSize, compressed, progress, platform, notes).Run(Path(), builder);
}

std::string TFolderList::Path() const {
  // Iterative: trees may be many thousands of levels deep.
  std::vector<const TFolderList*> chain;
  for (const TFolderList* level = this; level->parent_; level = level->parent_) chain.push_back(level);
  std::string path = tree_->Storage.RootPath;
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
  const auto& links = tree_->Storage.HardLinks();
  const auto found = links.find(&file);
  return found != links.end() ? &found->second : nullptr;
}

uint64_t TFolderList::FilesWithoutLinkCount() const { return tree_->Storage.FilesWithoutLinkCount(); }

void TFolderList::ForEachHardLink(const std::function<void(const TFolderData&, const HardLink&)>& visit) const {
  for (const auto& [file, link] : tree_->Storage.HardLinks()) visit(*file, link);
}

void TFolderList::ResetTotals() {
  nominalTotal_ = allocatedTotal_ = slackTotal_ = 0;
  fileCount_ = folderCount_ = longestPathLength_ = 0;
  readError_ = readErrorBelow_ = notEntered_ = false;
  longestFile_ = nullptr;
}

void TFolderList::ReserveOneMore() {
  if (entries_.size() == entries_.capacity()) entries_.reserve(std::max<size_t>(4, entries_.capacity() * 2));
}

void TFolderList::ConsiderLongestFile(const TFolderData& file, int32_t pathLength) {
  if (longestPathLength_ < pathLength) {
    longestPathLength_ = pathLength;
    longestFile_ = &file;
  }
}

#include "ntfs/FileTableListing.h"

#include <algorithm>
#include <cmath>

#include "ntfs/FileTableReader.h"

namespace {

// A slow disk's reading speed: reading a table of this many bytes a second, parse
// included, is what listing the folders must have cost before the table is read; and
// never before half a second, which any table costs in the reads besides its records.
constexpr double kTableBytesPerSecond = 100e6;
constexpr double kLeastSeconds = 0.5;
// A folder takes microseconds from the table and letting messages run can take ten
// times as long (a round trip to the window system): from the table, they run as often
// as while it is read.
constexpr auto kMessagesEvery = std::chrono::milliseconds(40);

// "D:\" of a path on a drive, as given; none for anything else.
std::optional<std::string> DriveRoot(std::string_view path) {
  if (path.size() < 3 || path[1] != ':' || path[2] != '\\') return std::nullopt;
  const char letter = path[0];
  if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z'))) return std::nullopt;
  return std::string(path.substr(0, 3));
}

}  // namespace

FileTableListing::FileTableListing(ScanPlatform& platform, VolumeDevices& devices)
    : platform_(platform), devices_(devices) {}

bool FileTableListing::ReadTableOf(const std::string& scanPath, const ProgressProc& progress, const bool& cancel) {
  table_.reset();
  deferred_.reset();
  const std::optional<std::string> root = DriveRoot(scanPath);
  if (!root) return false;
  const std::unique_ptr<ByteSource> volume = devices_.Open((*root)[0]);
  return volume && Read(*volume, scanPath, progress, cancel);
}

void FileTableListing::ReadTableWhenItPays(const std::string& scanPath, const ProgressProc& progress,
                                           const bool& cancel) {
  const std::optional<std::string> root = DriveRoot(scanPath);
  if (root && scanPath.size() == root->size()) {
    ReadTableOf(scanPath, progress, cancel);
    return;
  }
  table_.reset();
  deferred_.reset();
  if (root) deferred_ = Deferred{scanPath, progress, &cancel, std::chrono::steady_clock::now(), nullptr, {}};
}

bool FileTableListing::Read(ByteSource& volume, const std::string& scanPath, const ProgressProc& progress,
                            const bool& cancel) {
  volumeRoot_ = scanPath.substr(0, 3);
  open_.clear();
  const std::string reading = "Reading the file table of " + volumeRoot_ + "... ";
  table_ = ntfs::ReadFileTable(
      volume,
      [&](double share) {
        if (progress) progress(reading + std::to_string(static_cast<int>(std::floor(share * 100))) + "%");
        platform_.ProcessMessages();
      },
      cancel);
  // The scanned folder must be one the table shows.
  if (table_ && !Folder(scanPath)) table_.reset();
  return table_ != nullptr;
}

// A walk shorter than the least a table costs never touches the volume.
void FileTableListing::ReadWhenDue() {
  using Clock = std::chrono::steady_clock;
  const auto since = [&](double seconds) {
    return deferred_->Began + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
  };
  if (!deferred_ || Clock::now() < since(kLeastSeconds)) return;
  if (!deferred_->Volume) {
    std::unique_ptr<ByteSource> volume = devices_.Open(deferred_->ScanPath[0]);
    const std::optional<uint64_t> bytes = volume ? ntfs::FileTableBytes(*volume) : std::nullopt;
    if (!bytes) {
      deferred_.reset();
      return;
    }
    deferred_->Volume = std::move(volume);
    deferred_->ReadWhen = since(std::max(kLeastSeconds, static_cast<double>(*bytes) / kTableBytesPerSecond));
  }
  if (Clock::now() < deferred_->ReadWhen) return;
  const Deferred due = std::move(*deferred_);
  deferred_.reset();
  if (!*due.Cancel) Read(*due.Volume, due.ScanPath, due.Progress, *due.Cancel);
}

std::optional<uint32_t> FileTableListing::Folder(std::string_view folderPath) {
  if (!folderPath.starts_with(volumeRoot_)) return std::nullopt;
  while (!open_.empty() && (folderPath.size() < open_.back().PathSize ||
                            folderPath.compare(0, open_.back().PathSize, openPath_, 0, open_.back().PathSize) != 0))
    open_.pop_back();
  std::optional<uint32_t> folder;
  if (open_.empty()) {
    folder = table_->FindFolder(ntfs::FileTable::kRootFolder, folderPath.substr(volumeRoot_.size()));
  } else {
    OpenFolder& in = open_.back();
    if (folderPath.size() == in.PathSize) return in.Folder;
    const std::string_view below = folderPath.substr(in.PathSize);
    const size_t end = below.find('\\');
    folder = end == below.size() - 1 ? table_->Subfolder(in.Folder, below.substr(0, end), in.Next)
                                     : table_->FindFolder(in.Folder, below);
  }
  if (folder) {
    open_.push_back({folderPath.size(), *folder, 0});
    openPath_ = folderPath;
  }
  return folder;
}

ListingOutcome FileTableListing::ListFolder(const std::string& folderPath, FolderListing& listing) {
  ReadWhenDue();
  const std::optional<uint32_t> folder = table_ ? Folder(folderPath) : std::nullopt;
  if (!folder) return platform_.ListFolder(folderPath, listing);
  table_->List(*folder, listing);
  return ListingOutcome::Listed;
}

std::optional<uint64_t> FileTableListing::CompressedFileSize(const std::string& filePath) {
  const size_t split = filePath.rfind('\\');
  const std::optional<uint32_t> folder =
      table_ && split != std::string::npos ? Folder(std::string_view(filePath).substr(0, split + 1)) : std::nullopt;
  if (folder)
    if (const auto size = table_->CompressedSize(*folder, std::string_view(filePath).substr(split + 1))) return size;
  return platform_.CompressedFileSize(filePath);
}

void FileTableListing::ProcessMessages() {
  if (table_) {
    const auto now = std::chrono::steady_clock::now();
    if (now - messagesRan_ < kMessagesEvery) return;
    messagesRan_ = now;
  }
  platform_.ProcessMessages();
}

#include "ntfs/FileTableListing.h"

#include <cmath>
#include <new>

#include "ntfs/FileTableReader.h"

namespace {

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
  const std::optional<std::string> root = DriveRoot(scanPath);
  if (!root) return false;
  std::unique_ptr<ByteSource> volume = devices_.Open((*root)[0]);
  if (!volume) return false;
  const std::string reading = "Reading the file table of " + *root + "... ";
  try {
    table_ = ntfs::ReadFileTable(
        *volume,
        [&](double share) {
          if (progress) progress(reading + std::to_string(static_cast<int>(std::floor(share * 100))) + "%");
          platform_.ProcessMessages();
        },
        cancel);
  } catch (const std::bad_alloc&) {
    return false;  // a table too large for this process's memory: the folders are listed
  }
  volumeRoot_ = *root;
  // The scanned folder must be one the table shows.
  if (table_ && !Folder(scanPath)) table_.reset();
  return table_ != nullptr;
}

std::optional<uint32_t> FileTableListing::Folder(std::string_view folderPath) {
  if (!folderPath.starts_with(volumeRoot_)) return std::nullopt;
  return table_->FindFolder(folderPath.substr(volumeRoot_.size()));
}

ListingOutcome FileTableListing::ListFolder(const std::string& folderPath, FolderListing& listing) {
  if (!table_) return platform_.ListFolder(folderPath, listing);
  const std::optional<uint32_t> folder = Folder(folderPath);
  if (!folder) return ListingOutcome::NotFound;
  table_->List(*folder, listing);
  return ListingOutcome::Listed;
}

std::optional<uint64_t> FileTableListing::CompressedFileSize(const std::string& filePath) {
  if (!table_) return platform_.CompressedFileSize(filePath);
  const size_t split = filePath.rfind('\\');
  if (split == std::string::npos) return std::nullopt;
  const std::optional<uint32_t> folder = Folder(std::string_view(filePath).substr(0, split + 1));
  if (!folder) return std::nullopt;
  return table_->CompressedSize(*folder, std::string_view(filePath).substr(split + 1));
}

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// File attribute bits as a directory listing reports them.
constexpr uint32_t kAttributeDirectory = 0x10;
constexpr uint32_t kAttributeReparsePoint = 0x400;
constexpr uint32_t kAttributeCompressed = 0x800;
// The file's data is elsewhere (a cloud provider's, an archive's) until it is opened.
constexpr uint32_t kAttributeOffline = 0x1000;
constexpr uint32_t kAttributeRecallOnDataAccess = 0x400000;

// How the listing of a folder went.
enum class ListingOutcome : uint8_t { Listed, AccessDenied, NotFound, PathTooLong, Failed };

// A listing that knows what a file occupies says so; otherwise the scan rounds its size
// up to clusters.
constexpr uint64_t kAllocatedFromClusters = UINT64_MAX;

// One entry of a directory listing.
struct FoundEntry {
  std::string_view Name;  // UTF-8
  uint32_t Attributes = 0;
  uint32_t ReparseTag = 0;  // only meaningful with kAttributeReparsePoint
  uint64_t Size = 0;        // full 64-bit size
  uint64_t Allocated = kAllocatedFromClusters;
  uint64_t FileId = 0;  // the file's own number on its volume, where the listing tells
  uint32_t Links = 0;   // how many names the file has on its volume; 0: not told
};

// The entries of one folder in the order the platform lists them, "." and ".." included
// when the platform lists them. Names share one buffer, so a listing can be refilled
// without allocating per entry.
class FolderListing {
 public:
  void Clear() {
    names_.clear();
    entries_.clear();
  }
  // The name is copied; `entry.Name` may be gone once this returns.
  void Add(const FoundEntry& entry) {
    entries_.push_back({static_cast<uint32_t>(names_.size()), static_cast<uint32_t>(entry.Name.size()),
                        entry.Attributes, entry.ReparseTag, entry.Links, entry.Size, entry.Allocated, entry.FileId});
    names_ += entry.Name;
  }
  size_t Count() const { return entries_.size(); }
  FoundEntry operator[](size_t i) const {
    const Entry& e = entries_[i];
    return {std::string_view(names_).substr(e.NameOffset, e.NameLength), e.Attributes, e.ReparseTag,
            e.Size, e.Allocated, e.FileId, e.Links};
  }

 private:
  struct Entry {
    uint32_t NameOffset;
    uint32_t NameLength;
    uint32_t Attributes;
    uint32_t ReparseTag;
    uint32_t Links;
    uint64_t Size;
    uint64_t Allocated;
    uint64_t FileId;
  };
  std::string names_;
  std::vector<Entry> entries_;
};

// The separator of the paths of a tree whose root is `rootPath`: '/' where that is a
// POSIX path (an export read from Linux, shown as it was written), '\' otherwise.
inline char PathSeparator(std::string_view rootPath) { return rootPath.starts_with('/') ? '/' : '\\'; }

// What the folder scan needs from the platform. Paths are UTF-8, as the scan shows
// them: the scanned path as given, then folder names each followed by the tree's
// separator (a backslash; "/" for a tree read from a Linux export).
class ScanPlatform {
 public:
  virtual ~ScanPlatform() = default;

  // Fills `listing` with the entries of the folder at `folderPath` (ends with the
  // separator). A folder that cannot be listed gives an empty listing, and why.
  virtual ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) = 0;

  // The size a compressed file occupies, or nothing when the platform cannot tell.
  virtual std::optional<uint64_t> CompressedFileSize(const std::string& filePath) = 0;

  // Lets pending window messages run (painting, timers, the Cancel button).
  virtual void ProcessMessages() = 0;
};

#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scan/ScanPlatform.h"

// An in-memory file system for scan tests. Paths use backslashes and start with a
// drive such as "C:". Folders list "." and ".." first (except drive roots), then their
// entries in the order they were added.
class FakeFileSystem : public ScanPlatform {
 public:
  struct Node {
    std::string Name;
    uint32_t Attributes = 0;
    uint32_t ReparseTag = 0;
    uint64_t Size = 0;
    uint64_t Allocated = kAllocatedFromClusters;
    uint64_t FileId = 0;
    uint32_t Links = 0;  // 0: the listing does not tell
    std::optional<uint64_t> CompressedSize;  // none: the platform cannot tell
    ListingOutcome Listing = ListingOutcome::Listed;  // for a folder: what listing it gives
    std::vector<size_t> Children;
  };

  FakeFileSystem();

  // Adds a file (and any missing folders above it); returns it for further detail.
  Node& AddFile(std::string_view path, uint64_t size, uint32_t attributes = 0);
  // Adds a folder (and any missing folders above it).
  Node& AddFolder(std::string_view path, uint32_t attributes = kAttributeDirectory);

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override;
  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override;
  void ProcessMessages() override;

  // Runs inside every ProcessMessages, as a window message handler would.
  std::function<void()> OnProcessMessages;
  // What happened, in order: "pump" for each ProcessMessages, "list <path>" for each listing.
  std::vector<std::string> Events;

 private:
  Node* Find(std::string_view path);
  Node& FindOrAdd(std::string_view path, uint32_t attributes);

  std::deque<Node> nodes_;  // nodes_[0] holds the drives
};

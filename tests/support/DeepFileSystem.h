#pragma once

#include <optional>
#include <string>

#include "scan/ScanPlatform.h"

// A chain of folders named "a", as deep as asked below a root, with one file at the
// bottom; made up from the path alone, so it costs nothing to hold.
class DeepFileSystem : public ScanPlatform {
 public:
  DeepFileSystem(std::string root, size_t depth) : root_(std::move(root)), depth_(depth) {}
  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override {
    const size_t depth = (folderPath.size() - root_.size()) / 2;  // the root, then "a\" per level
    if (depth < depth_) listing.Add({.Name = "a", .Attributes = kAttributeDirectory});
    else listing.Add({.Name = "bottom.txt", .Size = 42});
    return ListingOutcome::Listed;
  }
  std::optional<uint64_t> CompressedFileSize(const std::string&) override { return std::nullopt; }
  void ProcessMessages() override {}

 private:
  std::string root_;
  size_t depth_;
};

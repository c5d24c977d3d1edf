#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "scan/ScanPlatform.h"

// The folder scan's view of Windows: the native directory listing calls on "\\?\" paths,
// so long paths and any names are listed, and the caller's message pump.
class Win32ScanPlatform : public ScanPlatform {
 public:
  explicit Win32ScanPlatform(std::function<void()> processMessages);

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override;
  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override;
  void ProcessMessages() override;

 private:
  std::wstring ExtendedPath(const std::string& path);

  std::function<void()> processMessages_;
  // The scan's paths all start with the scanned folder as given; that part is made
  // absolute once, and the names below it are appended unchanged.
  std::string givenRoot_;
  std::wstring extendedRoot_;
  std::string name_;  // reused for every listed name
  std::vector<uint64_t> buffer_;  // listing answers, reused
  bool listingFillsTheBuffer_;
};

#pragma once

#include <functional>
#include <optional>
#include <string>

#include "export/NcduImport.h"
#include "scan/ScanPlatform.h"

// The scan's listings from an export read earlier: each folder the walk asks for, with
// the entries the export gives it. A folder its producer could not read whole is
// listed with what it holds, and said to have failed.
class ExportListing : public ScanPlatform {
 public:
  // `processMessages` lets the window's messages run while the walk goes on.
  ExportListing(ExportIndex& index, std::function<void()> processMessages);

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override;
  // No entry is marked compressed, so the walk never asks.
  std::optional<uint64_t> CompressedFileSize(const std::string&) override { return std::nullopt; }
  void ProcessMessages() override;

 private:
  ExportIndex& index_;
  std::function<void()> processMessages_;
};

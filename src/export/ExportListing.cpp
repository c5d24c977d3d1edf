#include "export/ExportListing.h"

#include <utility>

ExportListing::ExportListing(ExportIndex& index, std::function<void()> processMessages)
    : index_(index), processMessages_(std::move(processMessages)) {}

ListingOutcome ExportListing::ListFolder(const std::string& folderPath, FolderListing& listing) {
  const std::optional<uint32_t> folder = index_.FindFolder(folderPath);
  if (!folder) return ListingOutcome::NotFound;
  index_.List(*folder, listing);
  return index_.Unreadable(*folder) ? ListingOutcome::Failed : ListingOutcome::Listed;
}

void ExportListing::ProcessMessages() {
  if (processMessages_) processMessages_();
}

#include "scan/FolderTreeStorage.h"

#include <stdexcept>

TFolderData& FolderTreeStorage::NewRecord(std::string_view name) {
  const char* text = "..";  // every level has one; they share it
  if (name != "..") {
    const auto stored = names_.StoreTerminated(name);
    if (!stored) throw std::runtime_error("The tree's names take more than 4 GB.");
    text = names_.At(*stored);
  }
  TFolderData& record = records_.emplace_back();
  record.NameText = text;
  return record;
}

void FolderTreeStorage::Clear() {
  records_.clear();
  names_.Clear();
  hardLinks_ = {};
  filesWithoutLinkCount_ = 0;
}

void FolderTreeStorage::NoteLinks(const TFolderData& file, uint64_t fileId, uint32_t links) {
  if (links == 0)
    ++filesWithoutLinkCount_;
  else if (links > 1)
    hardLinks_.emplace(&file, HardLink{fileId, links});
}

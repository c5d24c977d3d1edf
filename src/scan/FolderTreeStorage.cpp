#include "scan/FolderTreeStorage.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kNameBlockSize = 64 * 1024;

}  // namespace

TFolderData& FolderTreeStorage::NewRecord(std::string_view name) {
  TFolderData& record = records_.emplace_back();
  record.NameText = StoreName(name);
  return record;
}

TFolderList& FolderTreeStorage::NewLevel(TFolderList& parent, const char* folderName) {
  levels_.emplace_back(SubLevelKey(), parent, folderName);
  return levels_.back();
}

void FolderTreeStorage::Clear() {
  // Levels first: their entry lists point at records.
  levels_.clear();
  records_.clear();
  nameBlocks_.clear();
  hardLinks_ = {};
  filesWithoutLinkCount_ = 0;
  nameFree_ = nullptr;
  nameFreeSize_ = 0;
}

void FolderTreeStorage::NoteLinks(const TFolderData& file, uint64_t fileId, uint32_t links) {
  if (links == 0)
    ++filesWithoutLinkCount_;
  else if (links > 1)
    hardLinks_.emplace(&file, HardLink{fileId, links});
}

const char* FolderTreeStorage::StoreName(std::string_view name) {
  if (name == "..") return "..";
  const size_t needed = name.size() + 1;
  if (needed > nameFreeSize_) {
    const size_t size = std::max(kNameBlockSize, needed);
    nameBlocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    nameFree_ = nameBlocks_.back().get();
    nameFreeSize_ = size;
  }
  char* stored = nameFree_;
  std::memcpy(stored, name.data(), name.size());
  stored[name.size()] = '\0';
  nameFree_ += needed;
  nameFreeSize_ -= needed;
  return stored;
}

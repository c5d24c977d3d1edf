#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>

#include "scan/FolderData.h"
#include "support/NameArena.h"

// Memory of one folder tree's entries: records in a chunked container, so they never
// move, and names in a NameArena; a tree of millions of entries costs a few dozen bytes
// per entry and is freed in one go. Its names share the arena's limit of 4 GB.
class FolderTreeStorage {
 public:
  explicit FolderTreeStorage(std::string rootPath) : RootPath(std::move(rootPath)) {}

  // Throws std::bad_alloc when the names would take more than the arena holds.
  TFolderData& NewRecord(std::string_view name);
  void Clear();

  // Hard links are few beside all files, so they are kept apart from the records.
  void NoteLinks(const TFolderData& file, uint64_t fileId, uint32_t links);
  void ForgetLinks(const TFolderData& file) { hardLinks_.erase(&file); }
  const std::unordered_map<const TFolderData*, HardLink>& HardLinks() const { return hardLinks_; }
  uint64_t FilesWithoutLinkCount() const { return filesWithoutLinkCount_; }

  std::string RootPath;

 private:
  std::deque<TFolderData> records_;
  NameArena names_;
  std::unordered_map<const TFolderData*, HardLink> hardLinks_;
  uint64_t filesWithoutLinkCount_ = 0;
};

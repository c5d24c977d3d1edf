#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "scan/FolderData.h"
#include "scan/FolderList.h"

// Memory of one folder tree. Records and levels sit in chunked containers, so they
// never move, and names are packed into large blocks; a tree of millions of entries
// costs a few dozen bytes per entry and is freed in one go.
class FolderTreeStorage {
 public:
  explicit FolderTreeStorage(std::string rootPath) : RootPath(std::move(rootPath)) {}

  TFolderData& NewRecord(std::string_view name);
  TFolderList& NewLevel(TFolderList& parent, const char* folderName);
  void Clear();

  // Hard links are few beside all files, so they are kept apart from the records.
  void NoteLinks(const TFolderData& file, uint64_t fileId, uint32_t links);
  const std::unordered_map<const TFolderData*, HardLink>& HardLinks() const { return hardLinks_; }
  uint64_t FilesWithoutLinkCount() const { return filesWithoutLinkCount_; }

  std::string RootPath;

 private:
  const char* StoreName(std::string_view name);

  std::deque<TFolderData> records_;
  std::deque<TFolderList> levels_;
  std::vector<std::unique_ptr<char[]>> nameBlocks_;
  std::unordered_map<const TFolderData*, HardLink> hardLinks_;
  uint64_t filesWithoutLinkCount_ = 0;
  char* nameFree_ = nullptr;
  size_t nameFreeSize_ = 0;
};

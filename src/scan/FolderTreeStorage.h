#pragma once

#include <deque>
#include <memory>
#include <string>
#include <string_view>
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

  std::string RootPath;

 private:
  const char* StoreName(std::string_view name);

  std::deque<TFolderData> records_;
  std::deque<TFolderList> levels_;
  std::vector<std::unique_ptr<char[]>> nameBlocks_;
  char* nameFree_ = nullptr;
  size_t nameFreeSize_ = 0;
};

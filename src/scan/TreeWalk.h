#pragma once

#include <cstddef>
#include <vector>

#include "scan/FolderList.h"

// Whether an entry is a file or folder of the tree, not ".." nor the free-space entry.
bool IsFileOrFolder(const TFolderData& entry);

// A finished tree below a level, depth first in the tree's order and without
// recursing: each file and folder, a folder before its contents and its end after
// them, and a folder that is a link not followed on its own. ".." and the free-space
// entry are no part of it, nor is the level it starts from.
class TreeWalk {
 public:
  enum class Step { File, Folder, FolderEnd, Link, Done };

  explicit TreeWalk(const TFolderList& top) : stack_{{&top, 0}} {}

  Step Next();
  // The file, folder or link of the last File, Folder or Link step.
  const TFolderData& Entry() const { return *entry_; }

 private:
  struct Pending {
    const TFolderList* Level;
    size_t Next;
  };

  std::vector<Pending> stack_;
  const TFolderData* entry_ = nullptr;
};

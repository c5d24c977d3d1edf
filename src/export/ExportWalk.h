#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "scan/FolderList.h"

// The root's name in an export: the scanned path without its trailing backslash, except
// for a drive's root, which stays whole ("C:" would name the drive's current folder).
std::string ExportedRootName(const TFolderList& root);

// Whether an entry is a file or folder of the tree, not ".." nor the free-space entry.
bool IsFileOrFolder(const TFolderData& entry);

// The tree below a root, depth first in the tree's order and without recursing: each
// file and folder, a folder before its contents and its end after them, and a folder
// that is a link not followed on its own. ".." and the free-space entry are no part of
// it.
class ExportWalk {
 public:
  enum class Step { File, Folder, FolderEnd, Link, Done };

  explicit ExportWalk(const TFolderList& root) : stack_{{&root, 0}} {}

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

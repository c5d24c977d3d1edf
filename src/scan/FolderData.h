#pragma once

#include <cstdint>
#include <string_view>

class TFolderList;

// A file's number on its volume and how many names it has there.
struct HardLink {
  uint64_t FileId = 0;
  uint32_t Links = 0;
};

// One entry of a folder level: a file, a sub-folder, "..", or the free-space entry.
// Records stay at their address until the tree is reset, so views may hold pointers.
struct TFolderData {
  double Nominal = 0;
  double Allocated = 0;
  int32_t FileCount = 0;
  TFolderList* OwnerList = nullptr;  // the level that holds this entry
  TFolderList* SubList = nullptr;    // a sub-folder's own level; none otherwise
  const char* NameText = "";         // UTF-8, kept by the tree

  // Files as listed, sub-folders as "\" + name, "..", or "(C: free space)".
  std::string_view Name() const { return NameText; }

  // Allocated - Nominal, never below 0 (a sparse file takes less than its size); a
  // sub-folder's is its level's SlackTotal. Computed: the tree keeps no copy of it.
  double Slack() const;

  // The level above the one that holds this entry; none for entries of the root.
  TFolderList* ParentLevel() const;
};

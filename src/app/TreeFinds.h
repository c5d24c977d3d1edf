#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scan/FolderList.h"

// A file of the tree and its size in the measure asked for, in bytes.
struct FoundFile {
  const TFolderData* File = nullptr;
  double Size = 0;
};

// Every file of one extension: its total in the measure asked for, and how many.
struct FileType {
  std::string Extension;  // lower-cased, without the dot; empty for names without one
  double Size = 0;
  uint64_t Files = 0;
};

// What one pass over a finished tree finds.
struct TreeFinds {
  std::vector<FoundFile> Largest;  // largest first, equal sizes by path below the root, bytewise
  std::vector<FileType> Types;     // largest first, equal sizes by extension
  double Total = 0;                // the files' sum in the measure (no free space): what shares are of
};

struct FindRequest {
  uint8_t Mode = 0;       // a DisplayModeCode: nominal, allocated or slack
  size_t Limit = 1000;    // how many of the largest files
  // Only files of this extension (as FileType::Extension) among the largest; all when none.
  std::optional<std::string> Extension;
};

// One pass over the tree below `root`, never touching the disk: a bounded heap of the
// largest files and a hash table of extensions.
TreeFinds FindInTree(const TFolderList& root, const FindRequest& request);

// A file name's extension as FileType keeps it: "Report.Final.PDF" gives "pdf",
// "README", ".profile" and "x." give "". Latin, Greek and Cyrillic letters are folded.
std::string ExtensionOf(std::string_view fileName);

// "(no extension)" for the empty extension, else the extension with its dot: ".pdf".
std::string ExtensionText(std::string_view extension);

// A file's path below the scanned folder: "Sub\Deeper\file.txt" ("/" below a Linux root).
std::string PathBelowRoot(const TFolderData& file);

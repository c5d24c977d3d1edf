#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "export/ExportSource.h"
#include "export/JsonReader.h"
#include "scan/ScanPlatform.h"
#include "support/NameArena.h"

// What an export may hold; reading stops with an error beyond it.
// Folders one within the other, the root counted: as deep as a Windows path of 32,767
// characters holds, so that every tree the program writes reads back.
constexpr size_t kMaxFolderDepth = 16384;
// Names are at most 255 bytes on Linux (765 on Windows), and the root's, a path, 4,096;
// this is far beyond any of them, and its length fits an entry's 16 bits.
constexpr size_t kMaxNameBytes = 32767;
// Entries are numbered in 32 bits and the tree counts files in 32-bit signed integers.
// A 32-bit process runs out of memory sooner, at some 25 million entries (this index
// and the tree made from it take about 120 bytes an entry with the names), and that
// is reported as not enough memory.
constexpr uint32_t kMaxEntries = 100'000'000;

// The tree of an ncdu or gdu export (ncdu -o, gdu -o) as the scan lists it: per entry
// 32 bytes besides its name, names in a NameArena, each folder's entries linked in
// the export's order. Excluded entries and special files are left out, and folders
// have no size of their own, as in a listing. A name no folder lists ("", ".", "..")
// fails the read. A hard-linked file counts under one of
// its names only, so that in any folder holding all of them it counts once, as its
// producer counts it. gdu marks the names it met after the first ("hlnkc") and counts
// them as nothing, as here. ncdu marks every name; here the first of each device and
// inode in the export counts. ncdu counts such a file once in every folder holding
// any of its names, so a folder holding only later names shows less here.
class ExportIndex {
 public:
  // Where the walk starts: the root's name as written, ending with the separator of its
  // paths (PathSeparator: "/usr/" from Linux, "C:\Data\" from Windows).
  const std::string& RootPath() const { return rootPath_; }

  // The folder at a path of the walk (RootPath, then folder names each followed by the
  // separator), or nothing. The search goes on from the folder found last, in the
  // export's order, so a walk in that order costs what it passes over; a path behind it
  // is searched from the root.
  std::optional<uint32_t> FindFolder(std::string_view path);
  // The entries of a folder, in the export's order.
  void List(uint32_t folder, FolderListing& listing) const;
  // The producer could not read the whole folder.
  bool Unreadable(uint32_t folder) const { return entries_[folder].Kind == kUnreadableFolder; }
  // Entries left out as no Windows folder can hold their names (a backslash, a slash or
  // NUL in them); what is below such a folder is not counted again.
  uint64_t LeftOut() const { return leftOut_; }

 private:
  friend class NcduReader;
  static constexpr uint32_t kRootFolder = 0;
  static constexpr uint32_t kNone = UINT32_MAX;
  static constexpr uint8_t kFile = 0, kFolder = 1, kUnreadableFolder = 2;

  struct Entry {
    uint64_t Size = 0;       // files
    uint64_t Allocated = 0;  // files
    uint32_t NameAt = 0;     // in names_
    uint32_t Next = kNone;   // the entry after it in its folder
    uint32_t FirstChild = kNone;
    uint16_t NameLength = 0;
    uint8_t Kind = kFile;
  };
  // A folder on the way to the one found last: where its search goes on.
  struct Open {
    uint32_t Next;
    size_t ParentPathLength;
  };

  ExportIndex() = default;
  std::string_view Name(const Entry& entry) const { return names_.At(entry.NameAt, entry.NameLength); }
  std::optional<uint32_t> SearchOnwards(std::string_view path);

  std::string rootPath_;
  char separator_ = '\\';
  uint64_t leftOut_ = 0;
  std::deque<Entry> entries_;  // grows without copying, so its peak is its size
  NameArena names_;
  std::vector<Open> open_;
  std::string openPath_;  // the path of the last folder open
};

// Reads a whole export. `progress` hears the bytes read after each chunk; `cancel` is
// read before each. On any failure nothing of the tree is kept.
std::variant<ExportIndex, ExportError> ReadNcduExport(ExportSource& source, const ReadProgress& progress,
                                                      const bool& cancel);

#pragma once

// The cloud sync root fill_ntfs_volume makes. ntfs-3g shows a folder with a cloud tag as
// a link it cannot follow, so the image check expects what lies in it from here.
#include <cstdint>
#include <optional>

namespace cloud {

constexpr uint32_t kTag = 0x9000601A, kOtherProviderTag = 0x9000101A;
constexpr uint32_t kSparse = 0x200, kOffline = 0x1000, kRecallOnDataAccess = 0x400000;

struct Entry {
  const char* Path;  // below the volume's root, folders before what they hold
  bool Folder;
  uint32_t Tag;
  uint32_t Attributes;  // once made: ntfs-3g marks a new entry for archiving, a file with a hole sparse
  uint64_t Size;
  uint64_t Written;  // from the start; the rest is a hole
  std::optional<uint64_t> Allocated;  // what the listing tells (online-only files); else rounded up
};

constexpr Entry kEntries[] = {
    {"OneDrive", true, kTag, 0x430, 0, 0, {}},
    {"OneDrive/Documents", true, kOtherProviderTag, 0x430, 0, 0, {}},
    {"OneDrive/Documents/report.docx", false, kTag, 0x400620, 57000, 0, 0},
    {"OneDrive/Documents/partly read.bin", false, kTag, 0x400620, 200000, 8192, 8192},
    {"OneDrive/Documents/hydrated.xlsx", false, kTag, 0x420, 30000, 30000, {}},
    {"OneDrive/offline.dat", false, kOtherProviderTag, 0x1620, 100000, 0, 0},
    {"OneDrive/kept offline.txt", false, kTag, 0x1420, 5000, 5000, 8192},
    {"OneDrive/note.txt", false, kTag, 0x400420, 100, 100, 0},  // kept in its record
};

}  // namespace cloud

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ntfs/Structures.h"
#include "scan/ScanPlatform.h"
#include "support/NameArena.h"

namespace ntfs {

// A volume's file table, indexed by folder: for each folder, its entries as NTFS lists
// them (in index order: names compared through the volume's upper-case table), with
// the attributes and sizes of their records. Built from the records one by one
// (AddRecord), then Finish; any record it cannot make sense of marks the whole table as
// doubtful, and a doubtful table is not to be used. It keeps per record its size,
// attributes and where its folder's names start, per name its folder, record and name
// (UTF-8, in blocks), and only for the files that have one a reparse tag, a count of
// names above one, or clusters its size does not tell: about 33 bytes per record
// besides the names. A folder's names are put in order when it is first asked for, so
// that the cost falls where the walk lets messages run.
class FileTable {
 public:
  static constexpr uint32_t kRootFolder = 5;

  FileTable(uint64_t records, uint64_t volumeClusters, uint32_t clusterBytes);

  // Takes one record of the table as read (fixed up here). A record not in use, or
  // never used, is passed over.
  void AddRecord(uint64_t number, std::span<uint8_t> bytes);
  // What still has to be read once every record is in: the upper-case table's runs,
  // and the runs of reparse points whose data lies outside their records.
  const std::vector<Run>& UpCaseRuns() const { return upcaseRuns_; }
  const std::vector<std::pair<uint32_t, uint64_t>>& ReparsePointsToRead() const { return reparseToRead_; }
  void SetReparseTag(uint32_t record, uint32_t tag);
  // Orders the folders' entries by the upper-case table (65,536 little-endian units).
  void Finish(std::span<const uint8_t> upcaseTable);
  bool Doubtful() const { return doubtful_; }

  // The folder at a path below the folder `from` ("Data\Sub\" or "data\sub"; "" is
  // `from`), its names compared as NTFS compares them; none through a folder that
  // leads elsewhere (LeadsElsewhere), which the walk does not enter either.
  std::optional<uint32_t> FindFolder(uint32_t from, std::string_view path);
  // The sub-folder `name` of a folder, for a walk that enters them in the order List
  // gives them: `next` (0 before the first) is kept between the calls for one folder,
  // and the folder the walk enters next is found there, its name as listed. Any other
  // name is looked for as FindFolder does.
  std::optional<uint32_t> Subfolder(uint32_t folder, std::string_view name, uint32_t& next);
  // The entries of a folder as the directory listing gives them, but "." and "..". Files
  // also tell their record number and how many long names it has on the volume, and
  // online-only files (offline, recalled on access) what their stream occupies.
  void List(uint32_t folder, FolderListing& listing);
  // The space a file of a folder takes (the compressed or sparse stream's allocated
  // size, else its size); nothing when there is no such file.
  std::optional<uint64_t> CompressedSize(uint32_t folder, std::string_view name);

  uint64_t Records() const { return sizes_.size(); }
  // What the index holds besides the names' text.
  size_t IndexBytes() const;

 private:
  // One name of a record, in its folder.
  struct Link {
    uint32_t Folder;
    uint32_t Record;
    uint32_t NameAt;  // in names_
    uint16_t NameLength;
    uint16_t FolderSequence;
  };
  std::string_view Name(const Link& link) const;
  uint32_t StoreName(std::span<const uint8_t> utf16);
  int Compare(std::string_view a, std::string_view b, bool caseToo) const;
  // The first four units of a name, upper-cased, as the order of names begins: names
  // whose keys differ are in their keys' order (Compare finds the same).
  uint64_t SortKey(std::string_view name) const;
  // Puts the links that have a folder in the order of their folders, each folder's
  // counted in firstLink_ after it, which then tells where each folder's start.
  void GroupByFolder();
  // The entries of a folder, in index order.
  std::span<const Link> Entries(uint32_t folder);
  const Link* Find(uint32_t folder, std::string_view name);
  bool InUseFolder(uint32_t record) const;
  bool Enterable(uint32_t record) const;  // a folder the walk goes into
  uint32_t Tag(uint32_t record) const;  // its reparse tag; 0 when none or not known
  uint64_t ClustersOf(uint64_t size) const;
  // The bytes a file's unnamed stream takes on the volume.
  uint64_t Occupied(uint32_t record) const;
  void Doubt() { doubtful_ = true; }

  uint64_t volumeClusters_;
  uint32_t clusterBytes_;
  bool doubtful_ = false;
  std::vector<uint64_t> sizes_;
  std::vector<uint32_t> attributes_;
  std::vector<uint16_t> sequences_;  // only until Finish
  std::vector<uint8_t> flags_;
  std::vector<uint32_t> firstLink_;
  // By record: the clusters of the unnamed stream where its size rounded up does not tell
  // them (compressed, sparse, given more than it holds).
  std::vector<std::pair<uint32_t, uint32_t>> occupied_;
  std::vector<std::pair<uint32_t, uint32_t>> reparseTags_;  // by record
  std::vector<std::pair<uint32_t, uint32_t>> manyNames_;    // by record: how many, for files of more than one
  std::vector<std::pair<uint32_t, uint64_t>> reparseToRead_;    // record and cluster of data kept outside
  std::vector<std::pair<uint32_t, uint16_t>> extensions_;       // the base each extension record names
  std::vector<Link> links_;
  NameArena names_;
  std::vector<Run> upcaseRuns_;
  std::vector<char16_t> upcase_;
  // Reused while the records come in.
  Record record_;
  std::u16string units_;
  std::string scratch_;
};

}  // namespace ntfs

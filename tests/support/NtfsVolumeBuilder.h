#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A small NTFS volume laid out in memory as Windows lays one out: the boot sector, the
// file table with the metadata files ($Extend holding three of its own), the upper-case
// table, then whatever is added below the root. 4096-byte clusters, 1024-byte records;
// the clusters of file data are counted but not stored. The size kept beside each name
// is left 0, as ntfs-3g leaves it for many files.
class NtfsVolumeBuilder {
 public:
  static constexpr uint32_t kRoot = 5;

  NtfsVolumeBuilder();

  // A new record: a folder or a file of `size` bytes (kept in the record up to 512),
  // named in `parent`; its number.
  uint32_t Folder(uint32_t parent, std::string_view name);
  uint32_t File(uint32_t parent, std::string_view name, uint64_t size);
  // Another name of a record: a hard link, or with namespace 2 the short name of a long one.
  void Name(uint32_t record, uint32_t parent, std::string_view name, uint8_t nameSpace = 1);
  void Attributes(uint32_t record, uint32_t attributes);
  // Stored compressed, taking `allocated` bytes (a file kept in its record is not).
  void Compressed(uint32_t record, uint64_t allocated);
  // Given `allocated` bytes of clusters, more than its size needs, as a file preallocated is.
  void Allocated(uint32_t record, uint64_t allocated);
  void Reparse(uint32_t record, uint32_t tag);
  // The data attribute and the names move to an extension record, which the base
  // record's attribute list points to.
  void Spill(uint32_t record);
  // Deleted: no longer in use, its sequence number moved on, as a record freed is.
  void Free(uint32_t record);

  std::vector<uint8_t> Image() const;

 private:
  struct FileName {
    uint32_t Parent;
    uint16_t ParentSequence;
    std::u16string Name;
    uint8_t NameSpace;
  };
  struct Record {
    bool InUse = true;
    bool Directory = false;
    uint16_t Sequence = 1;
    uint32_t Attributes = 0x20;
    std::vector<FileName> Names;
    std::optional<uint64_t> Size;  // the unnamed data stream
    std::optional<uint64_t> CompressedSize;
    uint64_t Allocated = 0;  // when more than the size rounded up
    std::optional<uint32_t> ReparseTag;
    std::optional<uint32_t> Extension;  // the record its data and names moved to
    std::optional<uint32_t> Base;       // of an extension record
    bool VolumeInformation = false;
  };
  uint32_t Add(Record record);
  std::vector<uint8_t> Attributes(const Record& record, uint32_t number) const;
  // The record as it lies on the volume, its update sequence applied.
  std::vector<uint8_t> RecordBytes(uint32_t number) const;
  uint64_t MftClusters() const;

  std::vector<Record> records_;
  uint64_t dataClusters_ = 0;  // clusters handed out for file data so far
};

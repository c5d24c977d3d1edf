#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

// The parts of NTFS's on-disk format the file table reader needs. Every function takes
// a span and trusts no length or offset inside it: what does not fit gives nothing.
namespace ntfs {

// Sums and products of the figures a volume gives (clusters, offsets, lengths):
// nothing once any step overflows, so that a crafted figure cannot wrap around.
using Checked = std::optional<uint64_t>;
inline Checked Add(Checked a, Checked b) {
  return a && b && *a <= UINT64_MAX - *b ? Checked(*a + *b) : std::nullopt;
}
inline Checked Multiply(Checked a, Checked b) {
  return a && b && (*b == 0 || *a <= UINT64_MAX / *b) ? Checked(*a * *b) : std::nullopt;
}

// What the boot sector tells of the volume.
struct BootSector {
  uint32_t BytesPerSector = 0;
  uint32_t BytesPerCluster = 0;
  uint64_t Clusters = 0;
  uint64_t MftCluster = 0;
  uint32_t BytesPerRecord = 0;
};
// Nothing when a figure is out of range, or the sectors it counts are more than
// `volumeBytes` (when known) hold.
std::optional<BootSector> ParseBootSector(std::span<const uint8_t> sector, std::optional<uint64_t> volumeBytes);

// Applies the update sequence of a file record (or index block): the last two bytes of
// each 512-byte stretch are checked against the sequence number and given back their
// real value. False when the array does not fit or a stretch was not written whole.
bool ApplyFixups(std::span<uint8_t> block);

// One run of clusters of a non-resident attribute; a sparse run has no clusters.
struct Run {
  uint64_t Vcn = 0;  // the first cluster of the run within the attribute
  uint64_t Length = 0;
  std::optional<uint64_t> Lcn;  // where it lies on the volume
};
// The runs of a mapping pairs array that starts at `firstVcn`; nothing when it is
// malformed or a run lies beyond `volumeClusters`.
std::optional<std::vector<Run>> DecodeRuns(std::span<const uint8_t> pairs, uint64_t firstVcn, uint64_t volumeClusters);

enum AttributeType : uint32_t {
  kStandardInformation = 0x10,
  kAttributeList = 0x20,
  kFileName = 0x30,
  kVolumeInformation = 0x70,
  kData = 0x80,
  kReparsePoint = 0xC0,
  kEnd = 0xFFFFFFFF,
};

// One attribute of a record, its pieces still in the record's bytes.
struct Attribute {
  uint32_t Type = 0;
  std::span<const uint8_t> Name;  // UTF-16, little-endian
  bool Compressed = false;  // or sparse: the compressed size is given
  bool NonResident = false;
  std::span<const uint8_t> Value;  // resident
  // Non-resident.
  uint64_t FirstVcn = 0;
  uint64_t RealSize = 0;       // only in the extent that starts at cluster 0
  uint64_t AllocatedSize = 0;  // likewise: the clusters given to the stream, in bytes
  uint64_t CompressedSize = 0;  // likewise, compressed or sparse only
  std::span<const uint8_t> Runs;
};

// A file record, fixed up.
struct Record {
  bool InUse = false;
  bool Directory = false;
  uint16_t Sequence = 0;
  uint64_t Base = 0;  // the base record of an extension record, 0 for a base record
  uint16_t BaseSequence = 0;
  std::vector<Attribute> Attributes;
};
// False when a header or an attribute does not fit in the record. `into` is reused, so
// that reading a table of millions of records allocates once.
bool ParseRecord(std::span<const uint8_t> bytes, Record& into);

// The entries of an $ATTRIBUTE_LIST value: each attribute's type, first cluster and
// the record that holds it.
struct ListedAttribute {
  uint32_t Type = 0;
  bool Named = false;
  uint64_t FirstVcn = 0;
  uint64_t Record = 0;
};
std::optional<std::vector<ListedAttribute>> ParseAttributeList(std::span<const uint8_t> value);

// A $FILE_NAME value.
struct FileName {
  uint64_t ParentRecord = 0;
  uint16_t ParentSequence = 0;
  uint8_t Namespace = 0;  // 0 POSIX, 1 Win32, 2 DOS, 3 Win32 and DOS
  std::span<const uint8_t> Name;  // UTF-16, little-endian
};
std::optional<FileName> ParseFileName(std::span<const uint8_t> value);
constexpr uint8_t kDosNamespace = 2;

template <typename T>
T Read(std::span<const uint8_t> bytes, size_t offset) {
  T value = 0;
  for (size_t i = 0; i < sizeof(T); ++i) value |= static_cast<T>(static_cast<T>(bytes[offset + i]) << (8 * i));
  return value;
}

}  // namespace ntfs

// The file table reader over arbitrary bytes: the input's first 512 bytes are a boot
// sector, the rest a file table. The table's records, each placed at the number it
// names, with every folder then walked from the root; and the whole volume read as a
// scan reads it.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "ntfs/FileTableReader.h"

namespace {

constexpr size_t kBootBytes = 512, kRecordBytes = 1024;
constexpr uint64_t kRecords = 1 << 15;
constexpr uint32_t kClusterBytes = 4096;
constexpr uint64_t kVolumeClusters = 1 << 20;  // where the records' runs may lie
// The volume read whole: small, so that a table claimed large is refused soon.
constexpr uint64_t kVolumeBytes = uint64_t{1} << 24;

const std::vector<uint8_t> kUpCase = [] {
  std::vector<uint8_t> table(2 * 65536);
  for (uint32_t c = 0; c < 65536; ++c) {
    const uint32_t upper = c >= 'a' && c <= 'z' ? c - 32 : c;
    table[2 * c] = static_cast<uint8_t>(upper);
    table[2 * c + 1] = static_cast<uint8_t>(upper >> 8);
  }
  return table;
}();

// Every folder below the root, once: a folder met twice would be a cycle, which the
// walk would follow forever.
void WalkAll(ntfs::FileTable& table) {
  std::set<uint32_t> seen;
  std::vector<std::string> pending{""};
  FolderListing listing;
  while (!pending.empty()) {
    const std::string path = pending.back();
    pending.pop_back();
    const std::optional<uint32_t> folder = table.FindFolder(ntfs::FileTable::kRootFolder, path);
    if (!folder) continue;
    if (!seen.insert(*folder).second) __builtin_trap();
    listing.Clear();
    table.List(*folder, listing);
    // Two folders of one name in one folder, as a damaged index may hold, are both
    // reached by that name, as on Windows.
    std::set<std::string_view> names;
    for (size_t i = 0; i < listing.Count(); ++i) {
      const FoundEntry entry = listing[i];
      if (!(entry.Attributes & kAttributeDirectory))
        (void)table.CompressedSize(*folder, entry.Name);
      else if (names.insert(entry.Name).second)
        pending.push_back(path + std::string(entry.Name) + "\\");
    }
  }
}

// A volume of 16 MB, zeros but for the boot sector given (its signatures set, which the
// fuzzer could only break), the upper-case table at cluster 1 and the file table
// where the boot sector puts it. A boot sector whose byte 0x1FD (boot code) is odd
// makes a volume that does not tell its length, as when neither the disk driver nor
// a file size answers.
class Volume : public ByteSource {
 public:
  Volume(std::span<const uint8_t> boot, std::span<const uint8_t> table) : boot_(boot.begin(), boot.end()), table_(table) {
    std::memcpy(&boot_[3], "NTFS    ", 8);
    boot_[510] = 0x55, boot_[511] = 0xAA;
    if (const auto parsed = ntfs::ParseBootSector(boot_, std::nullopt)) {
      upcaseAt_ = parsed->BytesPerCluster;
      tableAt_ = ntfs::Multiply(parsed->MftCluster, parsed->BytesPerCluster);
    }
  }
  bool Read(uint64_t offset, std::span<uint8_t> into) override {
    if (offset > kVolumeBytes || into.size() > kVolumeBytes - offset) return false;
    std::memset(into.data(), 0, into.size());
    Copy(offset, into, upcaseAt_, kUpCase);
    if (tableAt_ && *tableAt_ < kVolumeBytes) Copy(offset, into, *tableAt_, table_);
    Copy(offset, into, 0, boot_);
    return true;
  }
  std::optional<uint64_t> Bytes() const override {
    return boot_[0x1FD] & 1 ? std::nullopt : std::optional(kVolumeBytes);
  }

 private:
  static void Copy(uint64_t offset, std::span<uint8_t> into, uint64_t at, std::span<const uint8_t> bytes) {
    const uint64_t begin = std::max(offset, at), end = std::min(offset + into.size(), at + bytes.size());
    if (begin < end) std::memcpy(into.data() + (begin - offset), bytes.data() + (begin - at), end - begin);
  }
  std::vector<uint8_t> boot_;
  std::span<const uint8_t> table_;
  uint64_t upcaseAt_ = kClusterBytes;
  ntfs::Checked tableAt_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)ntfs::DecodeRuns(bytes, 0, kVolumeClusters);
  (void)ntfs::ParseAttributeList(bytes);
  if (size < kBootBytes) return 0;
  const std::span<const uint8_t> table = bytes.subspan(kBootBytes);

  ntfs::FileTable records(kRecords, kVolumeClusters, kClusterBytes);
  std::vector<uint8_t> record(kRecordBytes);
  for (size_t at = 0; at + kRecordBytes <= table.size(); at += kRecordBytes) {
    std::memcpy(record.data(), table.data() + at, kRecordBytes);
    uint32_t number = 0;
    std::memcpy(&number, record.data() + 0x2C, 4);  // the number a record keeps of itself
    records.AddRecord(number % kRecords, record);
  }
  for (const auto& [number, cluster] : records.ReparsePointsToRead()) records.SetReparseTag(number, 0xA000000C);
  records.Finish(kUpCase);
  if (!records.Doubtful()) WalkAll(records);

  Volume volume(bytes.first(kBootBytes), table);
  const bool cancel = false;
  if (const auto read = ntfs::ReadFileTable(volume, [](double) {}, cancel)) WalkAll(*read);
  return 0;
}

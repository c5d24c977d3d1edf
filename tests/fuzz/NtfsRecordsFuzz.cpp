// The file table reader over arbitrary bytes: as file records, each placed at the
// number it names, with every folder then walked from the root; and as the whole
// table of a volume whose boot sector and upper-case table are sound.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "ntfs/FileTableReader.h"

namespace {

constexpr size_t kRecordBytes = 1024;
constexpr uint64_t kRecords = 1 << 15;
constexpr uint32_t kClusterBytes = 4096;
constexpr uint64_t kVolumeClusters = 1 << 20;  // where the records' runs may lie
// The volume read whole: small, so that a table claimed large is refused soon.
constexpr uint64_t kSmallVolumeClusters = 1 << 12;
constexpr uint64_t kUpCaseCluster = 1, kMftCluster = 40;

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
    const std::optional<uint32_t> folder = table.FindFolder(path);
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

// A volume of 4096-byte clusters: its boot sector, the upper-case table at cluster 1,
// the input as the file table at cluster 40, and zeros elsewhere.
class Volume : public ByteSource {
 public:
  explicit Volume(std::span<const uint8_t> table) : table_(table) {
    boot_.resize(512);
    std::memcpy(&boot_[3], "NTFS    ", 8);
    boot_[0x0B] = 0x00, boot_[0x0C] = 0x02;  // 512-byte sectors
    boot_[0x0D] = 8;
    const uint64_t sectors = kSmallVolumeClusters * 8;
    std::memcpy(&boot_[0x28], &sectors, 8);
    boot_[0x30] = kMftCluster;
    boot_[0x40] = 0xF6;  // 1024-byte records
    boot_[510] = 0x55, boot_[511] = 0xAA;
  }
  bool Read(uint64_t offset, std::span<uint8_t> into) override {
    constexpr uint64_t kBytes = kSmallVolumeClusters * kClusterBytes;
    if (offset > kBytes || into.size() > kBytes - offset) return false;
    std::memset(into.data(), 0, into.size());
    Copy(offset, into, 0, boot_);
    Copy(offset, into, kUpCaseCluster * kClusterBytes, kUpCase);
    Copy(offset, into, kMftCluster * kClusterBytes, table_);
    return true;
  }

 private:
  static void Copy(uint64_t offset, std::span<uint8_t> into, uint64_t at, std::span<const uint8_t> bytes) {
    const uint64_t begin = std::max(offset, at), end = std::min(offset + into.size(), at + bytes.size());
    if (begin < end) std::memcpy(into.data() + (begin - offset), bytes.data() + (begin - at), end - begin);
  }
  std::span<const uint8_t> table_;
  std::vector<uint8_t> boot_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)ntfs::DecodeRuns(bytes, 0, kVolumeClusters);
  (void)ntfs::ParseAttributeList(bytes);

  ntfs::FileTable table(kRecords, kVolumeClusters, kClusterBytes);
  std::vector<uint8_t> record(kRecordBytes);
  for (size_t at = 0; at + kRecordBytes <= size; at += kRecordBytes) {
    std::memcpy(record.data(), data + at, kRecordBytes);
    uint32_t number = 0;
    std::memcpy(&number, record.data() + 0x2C, 4);  // the number a record keeps of itself
    table.AddRecord(number % kRecords, record);
  }
  for (const auto& [number, cluster] : table.ReparsePointsToRead()) table.SetReparseTag(number, 0xA000000C);
  table.Finish(kUpCase);
  if (!table.Doubtful()) WalkAll(table);

  Volume volume(bytes);
  const bool cancel = false;
  if (const auto read = ntfs::ReadFileTable(volume, [](double) {}, cancel)) WalkAll(*read);
  return 0;
}

#include "ntfs/Structures.h"

#include <bit>
#include <cstring>

namespace ntfs {

namespace {

constexpr size_t kFixupStride = 512;
constexpr uint16_t kRecordInUse = 0x1, kRecordIsDirectory = 0x2;
constexpr uint16_t kAttributeCompressed = 0x0001, kAttributeSparse = 0x8000;

bool Fits(std::span<const uint8_t> bytes, uint64_t offset, uint64_t size) {
  return offset <= bytes.size() && size <= bytes.size() - offset;
}

// A size the boot sector gives as a count of clusters, or, negative, as a power of two.
std::optional<uint32_t> ClustersOrPower(int8_t value, uint32_t bytesPerCluster) {
  if (value < 0) return value >= -31 ? std::optional(uint32_t{1} << -value) : std::nullopt;
  if (value == 0 || bytesPerCluster > (uint32_t{1} << 24) / static_cast<uint32_t>(value)) return std::nullopt;
  return static_cast<uint32_t>(value) * bytesPerCluster;
}

}  // namespace

std::optional<BootSector> ParseBootSector(std::span<const uint8_t> sector, std::optional<uint64_t> volumeBytes) {
  if (sector.size() < 512 || std::memcmp(sector.data() + 3, "NTFS    ", 8) != 0 || sector[510] != 0x55 ||
      sector[511] != 0xAA)
    return std::nullopt;
  BootSector boot;
  boot.BytesPerSector = Read<uint16_t>(sector, 0x0B);
  if (boot.BytesPerSector < 256 || boot.BytesPerSector > 4096 || !std::has_single_bit(boot.BytesPerSector))
    return std::nullopt;
  // Up to 128 sectors as a count, more as a power of two (256 - value).
  const uint8_t sectors = sector[0x0D];
  const uint32_t sectorsPerCluster = sectors <= 0x80 ? sectors : (sectors >= 0xF4 ? uint32_t{1} << (256 - sectors) : 0);
  if (sectorsPerCluster == 0 || !std::has_single_bit(sectorsPerCluster)) return std::nullopt;
  boot.BytesPerCluster = boot.BytesPerSector * sectorsPerCluster;
  if (boot.BytesPerCluster > (uint32_t{1} << 21)) return std::nullopt;
  // The sectors counted end before the volume does (the last holds the backup boot
  // sector), so they must fit in it.
  const uint64_t volumeSectors = Read<uint64_t>(sector, 0x28);
  const Checked bytes = Multiply(volumeSectors, boot.BytesPerSector);
  if (!bytes || (volumeBytes && *bytes > *volumeBytes)) return std::nullopt;
  boot.Clusters = volumeSectors / sectorsPerCluster;
  boot.MftCluster = Read<uint64_t>(sector, 0x30);
  const std::optional<uint32_t> record = ClustersOrPower(static_cast<int8_t>(sector[0x40]), boot.BytesPerCluster);
  if (!record || *record < 512 || *record > 65536 || !std::has_single_bit(*record) || boot.MftCluster >= boot.Clusters)
    return std::nullopt;
  boot.BytesPerRecord = *record;
  return boot;
}

bool ApplyFixups(std::span<uint8_t> block) {
  if (block.size() < kFixupStride || block.size() % kFixupStride != 0) return false;
  const uint16_t offset = Read<uint16_t>(block, 4);
  const uint16_t count = Read<uint16_t>(block, 6);
  const size_t stretches = block.size() / kFixupStride;
  // The array holds the sequence number and one value for each stretch, inside the first.
  if (count != stretches + 1 || offset % 2 != 0 || offset + size_t{count} * 2 > kFixupStride - 2) return false;
  const uint8_t* array = block.data() + offset;
  for (size_t i = 1; i <= stretches; ++i) {
    uint8_t* end = block.data() + i * kFixupStride - 2;
    if (end[0] != array[0] || end[1] != array[1]) return false;
    end[0] = array[2 * i];
    end[1] = array[2 * i + 1];
  }
  return true;
}

std::optional<std::vector<Run>> DecodeRuns(std::span<const uint8_t> pairs, uint64_t firstVcn,
                                          uint64_t volumeClusters) {
  std::vector<Run> runs;
  uint64_t vcn = firstVcn;
  int64_t lcn = 0;
  for (size_t at = 0; at < pairs.size() && pairs[at] != 0;) {
    const unsigned lengthBytes = pairs[at] & 0x0F, offsetBytes = pairs[at] >> 4;
    if (lengthBytes == 0 || lengthBytes > 8 || offsetBytes > 8 || !Fits(pairs, at + 1, lengthBytes + offsetBytes))
      return std::nullopt;
    uint64_t length = 0;
    for (unsigned i = 0; i < lengthBytes; ++i) length |= uint64_t{pairs[at + 1 + i]} << (8 * i);
    if (length == 0 || length > volumeClusters || !Add(vcn, length)) return std::nullopt;
    Run run{vcn, length, std::nullopt};
    if (offsetBytes > 0) {
      uint64_t delta = 0;
      for (unsigned i = 0; i < offsetBytes; ++i) delta |= uint64_t{pairs[at + 1 + lengthBytes + i]} << (8 * i);
      if (offsetBytes < 8 && (delta >> (8 * offsetBytes - 1)) & 1) delta |= ~uint64_t{0} << (8 * offsetBytes);
      const auto step = static_cast<int64_t>(delta);
      if ((step > 0 && lcn > INT64_MAX - step) || (step < 0 && lcn < INT64_MIN - step)) return std::nullopt;
      lcn += step;
      if (lcn < 0 || static_cast<uint64_t>(lcn) > volumeClusters - length) return std::nullopt;
      run.Lcn = static_cast<uint64_t>(lcn);
    }
    runs.push_back(run);
    vcn += length;
    at += 1 + lengthBytes + offsetBytes;
  }
  return runs;
}

bool ParseRecord(std::span<const uint8_t> bytes, Record& record) {
  record.Attributes.clear();
  if (bytes.size() < 0x30 || std::memcmp(bytes.data(), "FILE", 4) != 0) return false;
  const uint16_t flags = Read<uint16_t>(bytes, 0x16);
  record.InUse = flags & kRecordInUse;
  record.Directory = flags & kRecordIsDirectory;
  record.Sequence = Read<uint16_t>(bytes, 0x10);
  const uint64_t base = Read<uint64_t>(bytes, 0x20);
  record.Base = base & 0xFFFFFFFFFFFF;
  record.BaseSequence = static_cast<uint16_t>(base >> 48);
  const uint32_t used = Read<uint32_t>(bytes, 0x18);
  if (used > bytes.size()) return false;
  const std::span<const uint8_t> inUse = bytes.first(used);
  for (size_t at = Read<uint16_t>(bytes, 0x14);;) {
    if (!Fits(inUse, at, 4)) return false;
    const uint32_t type = Read<uint32_t>(inUse, at);
    if (type == kEnd) break;
    if (!Fits(inUse, at, 0x18)) return false;
    const uint32_t length = Read<uint32_t>(inUse, at + 4);
    if (length < 0x18 || length % 8 != 0 || !Fits(inUse, at, length)) return false;
    const std::span<const uint8_t> attribute = inUse.subspan(at, length);
    Attribute parsed;
    parsed.Type = type;
    parsed.NonResident = attribute[8] != 0;
    const uint8_t nameLength = attribute[9];
    const uint16_t nameOffset = Read<uint16_t>(attribute, 0x0A);
    if (!Fits(attribute, nameOffset, size_t{nameLength} * 2)) return false;
    parsed.Name = attribute.subspan(nameOffset, size_t{nameLength} * 2);
    const uint16_t attributeFlags = Read<uint16_t>(attribute, 0x0C);
    parsed.Compressed = attributeFlags & (kAttributeCompressed | kAttributeSparse);
    if (!parsed.NonResident) {
      const uint32_t valueLength = Read<uint32_t>(attribute, 0x10);
      const uint16_t valueOffset = Read<uint16_t>(attribute, 0x14);
      if (!Fits(attribute, valueOffset, valueLength)) return false;
      parsed.Value = attribute.subspan(valueOffset, valueLength);
    } else {
      if (length < 0x40) return false;
      parsed.FirstVcn = Read<uint64_t>(attribute, 0x10);
      const uint16_t runsOffset = Read<uint16_t>(attribute, 0x20);
      if (!Fits(attribute, runsOffset, 0)) return false;
      parsed.Runs = attribute.subspan(runsOffset);
      parsed.AllocatedSize = Read<uint64_t>(attribute, 0x28);
      parsed.RealSize = Read<uint64_t>(attribute, 0x30);
      if (parsed.Compressed) {
        if (length < 0x48) return false;
        parsed.CompressedSize = Read<uint64_t>(attribute, 0x40);
      }
    }
    record.Attributes.push_back(parsed);
    at += length;
  }
  return true;
}

std::optional<FileName> ParseFileName(std::span<const uint8_t> value) {
  if (value.size() < 0x42) return std::nullopt;
  FileName name;
  const uint64_t parent = Read<uint64_t>(value, 0);
  name.ParentRecord = parent & 0xFFFFFFFFFFFF;
  name.ParentSequence = static_cast<uint16_t>(parent >> 48);
  name.Namespace = value[0x41];
  const size_t length = size_t{value[0x40]} * 2;
  if (!Fits(value, 0x42, length) || length == 0) return std::nullopt;
  name.Name = value.subspan(0x42, length);
  return name;
}

std::optional<std::vector<ListedAttribute>> ParseAttributeList(std::span<const uint8_t> value) {
  std::vector<ListedAttribute> entries;
  for (size_t at = 0; at < value.size();) {
    if (!Fits(value, at, 0x1A)) return std::nullopt;
    const uint16_t length = Read<uint16_t>(value, at + 4);
    if (length < 0x1A || !Fits(value, at, length)) return std::nullopt;
    entries.push_back({Read<uint32_t>(value, at), value[at + 6] != 0, Read<uint64_t>(value, at + 8),
                       Read<uint64_t>(value, at + 0x10) & 0xFFFFFFFFFFFF});
    at += length;
  }
  return entries;
}

}  // namespace ntfs

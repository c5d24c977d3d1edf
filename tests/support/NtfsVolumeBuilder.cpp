#include "NtfsVolumeBuilder.h"

#include <algorithm>
#include <initializer_list>

#include "support/Utf8.h"

namespace {

constexpr uint64_t kCluster = 4096, kRecordBytes = 1024;
constexpr uint64_t kUpCaseCluster = 1, kMftCluster = 40, kDataCluster = 2000;
constexpr uint32_t kFirstFree = 27;  // after the metadata files and what $Extend holds
constexpr uint16_t kUpdateSequence = 0x0707;

using Bytes = std::vector<uint8_t>;

// Little-endian fields of the sizes given, one after another.
void Put(Bytes& out, std::initializer_list<std::pair<uint64_t, int>> fields) {
  for (const auto& [value, size] : fields)
    for (int i = 0; i < size; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Set(Bytes& out, size_t at, uint64_t value, int size) {
  for (int i = 0; i < size; ++i) out[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

uint64_t Reference(uint32_t record, uint16_t sequence) { return record | uint64_t{sequence} << 48; }

// An attribute: its header, then the value kept in the record (resident), or else the
// sizes and one run of clusters at `lcn`; its length set last.
void Resident(Bytes& out, uint32_t type, const Bytes& value) {
  const size_t start = out.size();
  Put(out, {{type, 4}, {0, 4}, {0, 2}, {0x18, 2}, {0, 4}, {value.size(), 4}, {0x18, 2}, {0, 2}});
  out.insert(out.end(), value.begin(), value.end());
  out.resize((out.size() + 7) / 8 * 8);
  Set(out, start + 4, out.size() - start, 4);
}

void NonResident(Bytes& out, uint32_t type, uint64_t size, uint64_t allocated, uint64_t lcn,
                 std::optional<uint64_t> compressed) {
  const uint64_t clusters = std::max((size + kCluster - 1) / kCluster, allocated / kCluster);
  const uint16_t runsAt = compressed ? 0x48 : 0x40;
  const size_t start = out.size();
  Put(out, {{type, 4}, {0, 4}, {1, 2}, {runsAt, 2}, {compressed ? 1u : 0u, 2}, {0, 2}, {0, 8}, {clusters - 1, 8},
            {runsAt, 2}, {compressed ? 4u : 0u, 2}, {0, 4}, {clusters * kCluster, 8}, {size, 8}, {size, 8}});
  if (compressed) Put(out, {{*compressed, 8}});
  Put(out, {{0x44, 1}, {clusters, 4}, {lcn, 4}, {0, 1}});  // four bytes of length, four of offset
  out.resize((out.size() + 7) / 8 * 8);
  Set(out, start + 4, out.size() - start, 4);
}

}  // namespace

NtfsVolumeBuilder::NtfsVolumeBuilder() {
  const char* metadata[] = {"$MFT", "$MFTMirr", "$LogFile", "$Volume", "$AttrDef", ".", "$Bitmap", "$Boot",
                            "$BadClus", "$Secure", "$UpCase", "$Extend"};
  for (uint32_t i = 0; i < kFirstFree; ++i) {
    Record record;
    if (i < 12) record.Names.push_back({kRoot, 1, Utf8ToUtf16(metadata[i]), 3});
    if (i >= 24) record.Names.push_back({11, 1, i == 24 ? u"$ObjId" : i == 25 ? u"$Quota" : u"$Reparse", 3});
    record.InUse = i < 16 || i >= 24;
    record.Directory = i == kRoot || i == 11;
    record.Attributes = 0x6;  // hidden, system
    if (i == 0) record.Size = 0;  // the table's own size, once it is laid out
    if (i == 10) record.Size = 2 * 65536;
    record.VolumeInformation = i == 3;
    records_.push_back(record);
  }
}

uint32_t NtfsVolumeBuilder::Add(Record record) {
  for (uint32_t i = kFirstFree; i < records_.size(); ++i) {
    if (!records_[i].InUse) {
      record.Sequence = records_[i].Sequence;
      records_[i] = record;
      return i;
    }
  }
  records_.push_back(record);
  return static_cast<uint32_t>(records_.size() - 1);
}

uint32_t NtfsVolumeBuilder::Folder(uint32_t parent, std::string_view name) {
  Record record;
  record.Directory = true;
  record.Attributes = 0;
  record.Names.push_back({parent, records_[parent].Sequence, Utf8ToUtf16(name), 1});
  return Add(record);
}

uint32_t NtfsVolumeBuilder::File(uint32_t parent, std::string_view name, uint64_t size) {
  Record record;
  record.Names.push_back({parent, records_[parent].Sequence, Utf8ToUtf16(name), 1});
  record.Size = size;
  if (size > 512) dataClusters_ += (size + kCluster - 1) / kCluster;
  return Add(record);
}

void NtfsVolumeBuilder::Name(uint32_t record, uint32_t parent, std::string_view name, uint8_t nameSpace) {
  records_[record].Names.push_back({parent, records_[parent].Sequence, Utf8ToUtf16(name), nameSpace});
}

void NtfsVolumeBuilder::Attributes(uint32_t record, uint32_t attributes) { records_[record].Attributes = attributes; }

void NtfsVolumeBuilder::Compressed(uint32_t record, uint64_t allocated) {
  records_[record].Attributes |= 0x800;
  records_[record].CompressedSize = allocated;
}

void NtfsVolumeBuilder::Allocated(uint32_t record, uint64_t allocated) {
  records_[record].Allocated = allocated;
  dataClusters_ += allocated / kCluster;
}

void NtfsVolumeBuilder::Reparse(uint32_t record, uint32_t tag) {
  records_[record].Attributes |= 0x400;
  records_[record].ReparseTag = tag;
}

void NtfsVolumeBuilder::Spill(uint32_t record) {
  Record extension;
  extension.Base = record;
  extension.Attributes = 0;
  const uint32_t number = Add(extension);
  records_[record].Extension = number;
}

void NtfsVolumeBuilder::Free(uint32_t record) {
  records_[record].InUse = false;
  ++records_[record].Sequence;
}

uint64_t NtfsVolumeBuilder::MftClusters() const {
  return (records_.size() * kRecordBytes + kCluster - 1) / kCluster + 1;
}

std::vector<uint8_t> NtfsVolumeBuilder::Attributes(const Record& record, uint32_t number) const {
  Bytes out;
  const Record& owner = record.Base ? records_[*record.Base] : record;
  const bool here = record.Base || !record.Extension;  // names and data are kept in this record
  if (!record.Base) {
    Bytes standard(0x48);
    Set(standard, 0x20, record.Attributes, 4);
    Resident(out, 0x10, standard);
  }
  if (record.Extension) {
    Bytes list;
    const auto entry = [&](uint32_t type, uint32_t in) {
      Put(list, {{type, 4}, {0x20, 2}, {0x1A00, 2}, {0, 8}, {Reference(in, records_[in].Sequence), 8}, {0, 8}});
    };
    entry(0x10, number);
    for (size_t i = 0; i < record.Names.size(); ++i) entry(0x30, *record.Extension);
    entry(0x80, *record.Extension);
    Resident(out, 0x20, list);
  }
  for (const FileName& name : owner.Names) {
    if (!here) break;
    Bytes value;
    Put(value, {{Reference(name.Parent, name.ParentSequence), 8}});
    value.resize(0x40);  // times, the sizes beside the name (left 0), flags
    Put(value, {{name.Name.size(), 1}, {name.NameSpace, 1}});
    for (char16_t unit : name.Name) Put(value, {{unit, 2}});
    Resident(out, 0x30, value);
  }
  if (record.VolumeInformation) Resident(out, 0x70, {0, 0, 0, 0, 0, 0, 0, 0, 3, 1, 0, 0});
  if (here && owner.Size) {
    const uint32_t base = record.Base.value_or(number);
    if (base == 0)
      NonResident(out, 0x80, MftClusters() * kCluster, 0, kMftCluster, std::nullopt);
    else if (*owner.Size <= 512)
      Resident(out, 0x80, Bytes(*owner.Size, 'x'));
    else
      NonResident(out, 0x80, *owner.Size, owner.Allocated, base == 10 ? kUpCaseCluster : kDataCluster,
                  owner.CompressedSize);
  }
  if (!record.Base && record.ReparseTag) {
    Bytes reparse;
    Put(reparse, {{*record.ReparseTag, 4}, {0, 4}});
    Resident(out, 0xC0, reparse);
  }
  Put(out, {{0xFFFFFFFF, 4}, {0, 4}});
  return out;
}

std::vector<uint8_t> NtfsVolumeBuilder::RecordBytes(uint32_t number) const {
  const Record& record = records_[number];
  if (number >= 16 && number < 24) return Bytes(kRecordBytes);  // never used
  Bytes out{'F', 'I', 'L', 'E'};
  Put(out, {{0x30, 2}, {3, 2}, {0, 8}, {record.Sequence, 2}, {record.Names.size(), 2}, {0x38, 2},
            {(record.InUse ? 1u : 0u) | (record.Directory ? 2u : 0u), 2}, {0, 4}, {kRecordBytes, 4},
            {record.Base ? Reference(*record.Base, records_[*record.Base].Sequence) : 0, 8}, {8, 4}, {number, 4},
            {kUpdateSequence, 2}, {0, 6}});
  const Bytes attributes = Attributes(record, number);
  out.insert(out.end(), attributes.begin(), attributes.end());
  Set(out, 0x18, out.size(), 4);  // bytes in use
  out.resize(kRecordBytes);
  // Each 512-byte stretch ends in the update sequence number; the array keeps what it hid.
  for (size_t stretch = 1; stretch <= 2; ++stretch) {
    const size_t end = stretch * 512 - 2;
    Set(out, 0x30 + 2 * stretch, out[end] | out[end + 1] << 8, 2);
    Set(out, end, kUpdateSequence, 2);
  }
  return out;
}

std::vector<uint8_t> NtfsVolumeBuilder::Image() const {
  Bytes image{0xEB, 0x52, 0x90, 'N', 'T', 'F', 'S', ' ', ' ', ' ', ' '};
  Put(image, {{512, 2}, {8, 1}});  // bytes per sector, sectors per cluster
  image.resize(0x28);
  // Sectors, the table's cluster and its mirror's, a record of 2^10 bytes.
  Put(image, {{(kDataCluster + dataClusters_ + 16) * 8, 8}, {kMftCluster, 8}, {2, 8}, {0xF6, 1}});
  image.resize(510);
  Put(image, {{0xAA55, 2}});
  image.resize((kDataCluster + dataClusters_ + 16) * kCluster);  // the whole volume the boot sector counts
  for (uint32_t c = 0; c < 65536; ++c) {
    const bool lower = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
    Set(image, kUpCaseCluster * kCluster + 2 * c, lower ? c - 0x20 : c, 2);
  }
  for (uint32_t i = 0; i < records_.size(); ++i) {
    const Bytes record = RecordBytes(i);
    std::copy(record.begin(), record.end(), image.begin() + kMftCluster * kCluster + i * kRecordBytes);
  }
  return image;
}

#include "ntfs/FileTable.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "scan/ReparsePoints.h"
#include "support/Utf8.h"

namespace ntfs {

namespace {

constexpr uint8_t kInUse = 1, kDirectory = 2, kSorted = 4, kManyNames = 8;
// Of the unnamed stream: kept in the record; compressed or sparse.
constexpr uint8_t kResident = 16, kPacked = 32;
// The metadata files ($MFT, $Volume, $UpCase, $Extend, ...) and the records kept for
// more of them: no listing shows them, nor what $Extend holds.
constexpr uint64_t kFirstUserRecord = 24;
constexpr uint64_t kVolumeRecord = 3, kUpCaseRecord = 10;
constexpr uint32_t kNormal = 0x80;
constexpr uint32_t kNoFolder = UINT32_MAX;  // of a name no listing shows

// The UTF-16 units of a UTF-8 text, one at a time.
class Units {
 public:
  explicit Units(std::string_view text) : text_(text) {}
  bool Next(char16_t& unit) {
    if (low_) {
      unit = std::exchange(low_, 0);
      return true;
    }
    if (at_ >= text_.size()) return false;
    if (static_cast<unsigned char>(text_[at_]) < 0x80) {
      unit = static_cast<char16_t>(text_[at_++]);
      return true;
    }
    char32_t c = NextCodePoint(text_, at_);
    if (c >= 0x10000) {
      c -= 0x10000;
      low_ = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
      c = 0xD800 + (c >> 10);
    }
    unit = static_cast<char16_t>(c);
    return true;
  }

 private:
  std::string_view text_;
  size_t at_ = 0;
  char16_t low_ = 0;
};

template <typename Pairs, typename Key>
auto FindByRecord(const Pairs& pairs, Key record) {
  const auto found = std::lower_bound(pairs.begin(), pairs.end(), record,
                                      [](const auto& pair, Key key) { return pair.first < key; });
  return found != pairs.end() && found->first == record ? found : pairs.end();
}

}  // namespace

FileTable::FileTable(uint64_t records, uint64_t volumeClusters, uint32_t clusterBytes)
    : volumeClusters_(volumeClusters), clusterBytes_(clusterBytes) {
  if (records > UINT32_MAX) {
    Doubt();
    return;
  }
  sizes_.resize(records);
  attributes_.resize(records);
  sequences_.resize(records);
  flags_.resize(records);
}

void FileTable::AddRecord(uint64_t number, std::span<uint8_t> bytes) {
  if (doubtful_) return;
  if (number >= Records() || bytes.size() < 0x30) return Doubt();
  if (std::memcmp(bytes.data(), "FILE", 4) != 0) {
    if (std::memcmp(bytes.data(), "BAAD", 4) == 0) Doubt();  // found damaged
    return;                                                   // never used
  }
  if (!(Read<uint16_t>(bytes, 0x16) & 1)) return;  // free: what it holds may be half written
  Record& record = record_;
  if (!ApplyFixups(bytes) || !ParseRecord(bytes, record)) return Doubt();
  const uint64_t base = record.Base ? record.Base : number;
  if (base >= Records()) return Doubt();
  if (!record.Base) {
    flags_[base] |= kInUse | (record.Directory ? kDirectory : 0);
    sequences_[base] = record.Sequence;
  } else {
    extensions_.push_back({static_cast<uint32_t>(base), record.BaseSequence});
  }
  for (const Attribute& attribute : record.Attributes) {
    const std::span<const uint8_t> value = attribute.Value;
    switch (attribute.Type) {
      case kStandardInformation:
        if (attribute.NonResident || value.size() < 0x24) return Doubt();
        attributes_[base] = Read<uint32_t>(value, 0x20);
        break;
      case kFileName: {
        const std::optional<FileName> name = attribute.NonResident ? std::nullopt : ParseFileName(value);
        if (!name || name->ParentRecord >= Records()) return Doubt();
        if (name->Namespace == kDosNamespace) break;  // the short name of a long one
        const uint32_t at = StoreName(name->Name);
        links_.push_back({static_cast<uint32_t>(name->ParentRecord), static_cast<uint32_t>(base), at,
                          static_cast<uint16_t>(scratch_.size()), name->ParentSequence});
        break;
      }
      case kData:
        if (!attribute.Name.empty()) break;  // a named stream: not the file's size
        if (!attribute.NonResident) {
          sizes_[base] = value.size();
          flags_[base] |= kResident;
        } else if (attribute.FirstVcn == 0) {
          sizes_[base] = attribute.RealSize;
          const uint64_t clusters =
              (attribute.Compressed ? attribute.CompressedSize : attribute.AllocatedSize) / clusterBytes_;
          if (attribute.Compressed) {
            if (clusters > UINT32_MAX) return Doubt();  // the compressed size is told from here
            flags_[base] |= kPacked;
          }
          // A file of 16 TiB or more is rounded up as any other (too big to be kept here).
          if (clusters <= UINT32_MAX && (attribute.Compressed || clusters != ClustersOf(attribute.RealSize)))
            occupied_.push_back({static_cast<uint32_t>(base), static_cast<uint32_t>(clusters)});
        }
        if (base == kUpCaseRecord) {
          if (!attribute.NonResident) return Doubt();
          const auto runs = DecodeRuns(attribute.Runs, attribute.FirstVcn, volumeClusters_);
          if (!runs) return Doubt();
          upcaseRuns_.insert(upcaseRuns_.end(), runs->begin(), runs->end());
        }
        break;
      case kReparsePoint:
        if (!attribute.NonResident) {
          if (value.size() < 4) return Doubt();
          reparseTags_.push_back({static_cast<uint32_t>(base), Read<uint32_t>(value, 0)});
        } else {
          const auto runs = DecodeRuns(attribute.Runs, attribute.FirstVcn, volumeClusters_);
          if (!runs || runs->empty() || !runs->front().Lcn) return Doubt();
          reparseToRead_.push_back({static_cast<uint32_t>(base), *runs->front().Lcn});
        }
        break;
      case kVolumeInformation:
        // Version 3 (Windows 2000 on); another is read by none of these rules.
        if (number == kVolumeRecord && (attribute.NonResident || value.size() < 0x0C || value[8] != 3)) return Doubt();
        break;
      default:
        break;
    }
  }
}

void FileTable::SetReparseTag(uint32_t record, uint32_t tag) { reparseTags_.push_back({record, tag}); }

uint32_t FileTable::StoreName(std::span<const uint8_t> utf16) {
  scratch_.clear();
  // Most names are ASCII, written out as they are read; from the first unit that is
  // not, the rest go through UTF-16.
  const size_t count = utf16.size() / 2;
  std::u16string& units = units_;
  units.clear();
  for (size_t i = 0; i < count; ++i) {
    const auto unit = static_cast<char16_t>(Read<uint16_t>(utf16, 2 * i));
    // No listing gives such a name a path can be made of.
    if (unit == 0 || unit == '/' || unit == '\\') Doubt();
    if (unit < 0x80 && units.empty())
      scratch_ += static_cast<char>(unit);
    else
      units += unit;
  }
  AppendUtf8(scratch_, units);
  const auto at = names_.Store(scratch_);
  if (!at) Doubt();  // names beyond what an offset tells
  return at.value_or(0);
}

std::string_view FileTable::Name(const Link& link) const { return names_.At(link.NameAt, link.NameLength); }

int FileTable::Compare(std::string_view a, std::string_view b, bool caseToo) const {
  Units left(a), right(b);
  int byCase = 0;
  for (;;) {
    char16_t p = 0, q = 0;
    const bool moreLeft = left.Next(p), moreRight = right.Next(q);
    if (!moreLeft || !moreRight) {
      if (moreLeft != moreRight) return moreLeft ? 1 : -1;
      return caseToo ? byCase : 0;
    }
    if (upcase_[p] != upcase_[q]) return upcase_[p] < upcase_[q] ? -1 : 1;
    if (byCase == 0 && p != q) byCase = p < q ? -1 : 1;
  }
}

void FileTable::Finish(std::span<const uint8_t> upcaseTable) {
  if (doubtful_) return;
  if (upcaseTable.size() < 2 * 65536 || Records() <= kRootFolder || !InUseFolder(kRootFolder)) return Doubt();
  // An extension record left over from a file whose record has been used again would
  // lend it names and sizes.
  for (const auto& [base, sequence] : extensions_)
    if (!(flags_[base] & kInUse) || sequences_[base] != sequence) return Doubt();
  upcase_.resize(65536);
  for (size_t i = 0; i < upcase_.size(); ++i) upcase_[i] = static_cast<char16_t>(Read<uint16_t>(upcaseTable, 2 * i));
  std::sort(occupied_.begin(), occupied_.end());
  std::sort(reparseTags_.begin(), reparseTags_.end());
  // The names of files in use, in folders in use that still are the ones named, counted
  // by folder; the others lose their folder.
  firstLink_.assign(Records() + 1, 0);
  for (Link& link : links_) {
    const bool file = link.Record >= kFirstUserRecord && (flags_[link.Record] & kInUse);
    const bool folder = (link.Folder == kRootFolder || link.Folder >= kFirstUserRecord) &&
                        InUseFolder(link.Folder) && sequences_[link.Folder] == link.FolderSequence;
    if (file && folder)
      ++firstLink_[link.Folder + 1];
    else
      link.Folder = kNoFolder;
  }
  // Each record's names, counted where the sequence numbers were.
  std::vector<uint16_t>& names = sequences_;
  std::fill(names.begin(), names.end(), uint16_t{0});
  for (const Link& link : links_)
    if (link.Folder != kNoFolder && names[link.Record] < UINT16_MAX) ++names[link.Record];
  for (uint32_t record = 0; record < Records(); ++record) {
    if (names[record] <= 1) continue;
    if (flags_[record] & kDirectory) return Doubt();  // a folder with two names would make the tree a graph
    flags_[record] |= kManyNames;
    manyNames_.push_back({record, names[record]});
  }
  GroupByFolder();
  occupied_.shrink_to_fit();
  manyNames_.shrink_to_fit();
  reparseTags_.shrink_to_fit();
  sequences_ = {};
  extensions_ = {};
  reparseToRead_ = {};
  units_ = {};
  scratch_ = {};
  record_ = {};
}

void FileTable::GroupByFolder() {
  for (size_t i = 1; i < firstLink_.size(); ++i) firstLink_[i] += firstLink_[i - 1];
  std::vector<uint32_t> next(firstLink_.begin(), firstLink_.end() - 1);
  std::vector<Link> grouped(firstLink_.back());
  for (const Link& link : links_)
    if (link.Folder != kNoFolder) grouped[next[link.Folder]++] = link;
  links_ = std::move(grouped);
}

std::span<const FileTable::Link> FileTable::Entries(uint32_t folder) {
  const std::span<Link> entries(links_.begin() + firstLink_[folder], links_.begin() + firstLink_[folder + 1]);
  if (!(flags_[folder] & kSorted) && entries.size() > 1) {
    // Most names differ in their first units: only those that do not are compared whole.
    struct Keyed {
      uint64_t Key;
      Link Entry;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(entries.size());
    for (const Link& link : entries) keyed.push_back({SortKey(Name(link)), link});
    std::sort(keyed.begin(), keyed.end(), [&](const Keyed& a, const Keyed& b) {
      return a.Key != b.Key ? a.Key < b.Key : Compare(Name(a.Entry), Name(b.Entry), true) < 0;
    });
    for (size_t i = 0; i < keyed.size(); ++i) entries[i] = keyed[i].Entry;
  }
  flags_[folder] |= kSorted;
  return entries;
}

uint64_t FileTable::SortKey(std::string_view name) const {
  Units units(name);
  uint64_t key = 0;
  for (int i = 0; i < 4; ++i) {
    char16_t unit = 0;
    key = key << 16 | (units.Next(unit) ? upcase_[unit] : 0);
  }
  return key;
}

const FileTable::Link* FileTable::Find(uint32_t folder, std::string_view name) {
  const std::span<const Link> entries = Entries(folder);
  auto at = std::lower_bound(entries.begin(), entries.end(), name, [&](const Link& link, std::string_view key) {
    return Compare(Name(link), key, false) < 0;
  });
  const Link* sameButCase = nullptr;
  for (; at != entries.end() && Compare(Name(*at), name, false) == 0; ++at) {
    if (Name(*at) == name) return &*at;
    if (!sameButCase) sameButCase = &*at;
  }
  return sameButCase;
}

std::optional<uint32_t> FileTable::FindFolder(uint32_t from, std::string_view path) {
  uint32_t folder = from;
  for (size_t start = 0; start < path.size();) {
    size_t end = path.find('\\', start);
    if (end == std::string_view::npos) end = path.size();
    if (end > start) {
      const Link* link = Find(folder, path.substr(start, end - start));
      // What a link leads to is not this folder's; the walk does not go there either.
      if (!link || !Enterable(link->Record)) return std::nullopt;
      folder = link->Record;
    }
    start = end + 1;
  }
  return folder;
}

std::optional<uint32_t> FileTable::Subfolder(uint32_t folder, std::string_view name, uint32_t& next) {
  const std::span<const Link> entries = Entries(folder);
  // The files and links before the next folder the walk enters are passed for good.
  while (next < entries.size() && !Enterable(entries[next].Record)) ++next;
  if (next < entries.size() && Name(entries[next]) == name) {
    // A name twice over (a damaged index) opens the first, as by its name on Windows.
    const bool first = next == 0 || Name(entries[next - 1]) != name;
    if (const uint32_t record = entries[next++].Record; first) return record;
  }
  return FindFolder(folder, name);
}

void FileTable::List(uint32_t folder, FolderListing& listing) {
  for (const Link& link : Entries(folder)) {
    const uint32_t record = link.Record;
    const bool directory = flags_[record] & kDirectory;
    uint32_t attributes = attributes_[record] | (directory ? kAttributeDirectory : 0);
    if (attributes == 0) attributes = kNormal;
    FoundEntry entry{.Name = Name(link), .Attributes = attributes, .ReparseTag = Tag(record)};
    if (!directory) {
      entry.Size = sizes_[record];
      entry.FileId = record;
      entry.Links = flags_[record] & kManyNames ? FindByRecord(manyNames_, record)->second : 1;
      // Online only: it takes what its record gives it, often nothing, whatever its size.
      if (attributes & (kAttributeOffline | kAttributeRecallOnDataAccess)) entry.Allocated = Occupied(record);
    }
    listing.Add(entry);
  }
}

bool FileTable::InUseFolder(uint32_t record) const {
  return (flags_[record] & (kInUse | kDirectory)) == (kInUse | kDirectory);
}

bool FileTable::Enterable(uint32_t record) const {
  return (flags_[record] & kDirectory) && !LeadsElsewhere(attributes_[record], Tag(record));
}

uint32_t FileTable::Tag(uint32_t record) const {
  if (!(attributes_[record] & kAttributeReparsePoint)) return 0;
  const auto found = FindByRecord(reparseTags_, record);
  return found != reparseTags_.end() ? found->second : 0;
}

uint64_t FileTable::ClustersOf(uint64_t size) const { return size / clusterBytes_ + (size % clusterBytes_ != 0); }

uint64_t FileTable::Occupied(uint32_t record) const {
  if (const auto found = FindByRecord(occupied_, record); found != occupied_.end())
    return uint64_t{found->second} * clusterBytes_;
  return flags_[record] & kResident ? 0 : ClustersOf(sizes_[record]) * clusterBytes_;
}

std::optional<uint64_t> FileTable::CompressedSize(uint32_t folder, std::string_view name) {
  const Link* link = Find(folder, name);
  if (!link) return std::nullopt;
  return flags_[link->Record] & kPacked ? Occupied(link->Record) : sizes_[link->Record];
}

size_t FileTable::IndexBytes() const {
  return sizes_.capacity() * sizeof(uint64_t) + attributes_.capacity() * sizeof(uint32_t) +
         sequences_.capacity() * sizeof(uint16_t) + flags_.capacity() + firstLink_.capacity() * sizeof(uint32_t) +
         links_.capacity() * sizeof(Link) + reparseToRead_.capacity() * sizeof(std::pair<uint32_t, uint64_t>) +
         (occupied_.capacity() + reparseTags_.capacity() + manyNames_.capacity()) *
             sizeof(std::pair<uint32_t, uint32_t>) +
         upcase_.capacity() * sizeof(char16_t);
}

}  // namespace ntfs

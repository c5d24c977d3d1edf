// Scans an NTFS image twice: through its file table, and through its ntfs-3g mount as
// the reference, each folder's entries put in index order by the volume's own
// upper-case table; what the mount cannot show, below the cloud sync root, is expected
// as CloudTree.h says it was made. Every listing and compressed size the walk asks for,
// and then the two trees (names, sizes, counts, longest path), must be the same; so
// must each file's number and count of long names, which ntfs-3g gives as st_ino and
// st_nlink (counting a short name beside a long one too), and every name of a file
// must be met as many times as it has names.
// Usage: ntfs_image_check IMAGE MOUNT UPCASE
#include <dirent.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "CloudTree.h"
#include "ImageVolume.h"
#include "app/ScanReport.h"
#include "ntfs/FileTableListing.h"
#include "scan/FolderList.h"
#include "support/Utf8.h"

namespace {

constexpr char kRoot[] = "X:\\";
constexpr uint32_t kNormal = 0x80, kSparse = 0x200;
constexpr int32_t kClusterBytes = 4096;

int differences = 0;

void Differ(const std::string& what) {
  if (++differences <= 30) std::fprintf(stderr, "differs: %s\n", what.c_str());
}

// The mount's listings, as the directory listing on Windows would give them.
class MountListing : public ScanPlatform {
 public:
  MountListing(std::string mount, const std::vector<char16_t>& upcase) : mount_(std::move(mount)), upcase_(upcase) {}

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override {
    found_.clear();
    const std::string relative = Relative(folderPath);
    if (relative.starts_with(kCloudRoot)) {
      for (const cloud::Entry& entry : cloud::kEntries) {
        const std::string_view path = entry.Path;
        const size_t split = path.rfind('/') + 1;
        if (path.substr(0, split) == relative)
          Add({.Name = path.substr(split), .Attributes = entry.Attributes, .ReparseTag = entry.Tag,
               .Size = entry.Size, .Allocated = entry.Allocated.value_or(kAllocatedFromClusters),
               .Links = entry.Folder ? 0u : 1u});
      }
    } else {
      const std::string folder = Local(folderPath);
      DIR* dir = ::opendir(folder.c_str());
      if (!dir) return ListingOutcome::Failed;
      while (const dirent* entry = ::readdir(dir))
        if (std::string_view(entry->d_name) != "." && std::string_view(entry->d_name) != "..")
          Add(Describe(folder, entry->d_name));
      ::closedir(dir);
    }
    std::sort(found_.begin(), found_.end(), [](const Found& a, const Found& b) {
      return a.Key != b.Key ? a.Key < b.Key : a.Units < b.Units;
    });
    for (Found& entry : found_) {
      entry.Entry.Name = entry.Name;
      listing.Add(entry.Entry);
    }
    return ListingOutcome::Listed;
  }

  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override {
    if (const cloud::Entry* entry = CloudEntry(filePath)) return entry->Allocated.value_or(entry->Size);
    struct stat status {};
    if (::lstat(Local(filePath).c_str(), &status) != 0) return std::nullopt;
    // Less than a cluster: the data lives in the file's record, not compressed, and
    // takes its size (ntfs-3g counts it in 512-byte blocks).
    if (status.st_blocks * 512 < kClusterBytes) return status.st_size;
    return static_cast<uint64_t>(status.st_blocks) * 512;
  }

  void ProcessMessages() override {}

 private:
  struct Found {
    std::u16string Key, Units;
    std::string Name;
    FoundEntry Entry;
  };
  static constexpr std::string_view kCloudRoot = "OneDrive/";

  // A file or folder of the mount as the listing gives it.
  static FoundEntry Describe(const std::string& folder, const char* name) {
    const std::string path = folder + name;
    struct stat status {};
    uint32_t attributes = 0, tag = 0;
    if (::lstat(path.c_str(), &status) != 0 || ::lgetxattr(path.c_str(), "system.ntfs_attrib", &attributes, 4) != 4)
      Differ("cannot read " + path);
    if (attributes & kAttributeReparsePoint) {
      uint8_t data[16 * 1024];
      if (::lgetxattr(path.c_str(), "system.ntfs_reparse_data", data, sizeof data) < 4) Differ("no tag: " + path);
      tag = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    }
    if (attributes & kAttributeDirectory) return {.Name = name, .Attributes = attributes, .ReparseTag = tag};
    char shortName[32];
    const bool alsoShort = ::lgetxattr(path.c_str(), "system.ntfs_dos_name", shortName, sizeof shortName) > 0;
    // A link's data is its reparse point, not a stream the listing counts.
    return {.Name = name, .Attributes = attributes ? attributes : kNormal, .ReparseTag = tag,
            .Size = attributes & kAttributeReparsePoint ? 0 : static_cast<uint64_t>(status.st_size),
            .FileId = status.st_ino, .Links = static_cast<uint32_t>(status.st_nlink - alsoShort)};
  }

  void Add(const FoundEntry& entry) {
    Found added{{}, Utf8ToUtf16(entry.Name), std::string(entry.Name), entry};
    added.Key = added.Units;
    for (char16_t& unit : added.Key) unit = upcase_[unit];
    found_.push_back(std::move(added));
  }

  static const cloud::Entry* CloudEntry(const std::string& filePath) {
    for (const cloud::Entry& entry : cloud::kEntries)
      if (Relative(filePath) == entry.Path) return &entry;
    return nullptr;
  }

  // "X:\a\b" as "a/b".
  static std::string Relative(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path.substr(3);
  }
  std::string Local(const std::string& path) const { return mount_ + "/" + Relative(path); }
  std::string mount_;
  const std::vector<char16_t>& upcase_;
  std::vector<Found> found_;
};

// The mount behind the table, which, once read, must answer every listing itself.
class LeftToTheMount : public ScanPlatform {
 public:
  explicit LeftToTheMount(ScanPlatform& mount) : mount_(mount) {}
  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override {
    Differ(folderPath + ": left to the mount by the table");
    return mount_.ListFolder(folderPath, listing);
  }
  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override {
    Differ(filePath + ": compressed size left to the mount by the table");
    return mount_.CompressedFileSize(filePath);
  }
  void ProcessMessages() override {}

 private:
  ScanPlatform& mount_;
};

// Lets the walk see the table's answers, each checked against the mount's.
class Comparing : public ScanPlatform {
 public:
  Comparing(ScanPlatform& table, ScanPlatform& mount) : table_(table), mount_(mount) {}

  ListingOutcome ListFolder(const std::string& folderPath, FolderListing& listing) override {
    ++folders_;
    reference_.Clear();
    if (table_.ListFolder(folderPath, listing) != mount_.ListFolder(folderPath, reference_))
      Differ(folderPath + ": listed by one, not by the other");
    if (listing.Count() != reference_.Count())
      Differ(folderPath + ": " + std::to_string(listing.Count()) + " entries, not " +
             std::to_string(reference_.Count()));
    const auto text = [](const FoundEntry& entry) {
      const std::string allocated =
          entry.Allocated == kAllocatedFromClusters ? "rounded up" : std::to_string(entry.Allocated);
      return std::string(entry.Name) + " (attributes " + std::to_string(entry.Attributes) + ", size " +
             std::to_string(entry.Size) + ", allocated " + allocated + ", tag " + std::to_string(entry.ReparseTag) +
             ", names " + std::to_string(entry.Links) + ")";
    };
    for (size_t i = 0; i < std::min(listing.Count(), reference_.Count()); ++i) {
      const FoundEntry got = listing[i], want = reference_[i];
      if (text(got) != text(want)) Differ(folderPath + ": " + text(got) + " for " + text(want));
      // The mount cannot tell the numbers of what lies below the cloud sync root.
      if (want.FileId != 0 && got.FileId != want.FileId)
        Differ(folderPath + std::string(got.Name) + ": file " + std::to_string(got.FileId) + " for " +
               std::to_string(want.FileId));
      if (!(got.Attributes & kAttributeDirectory)) {
        auto& [links, met] = names_[got.FileId];
        links = got.Links;
        ++met;
      }
      // The walk asks only for compressed files; sparse ones are asked here.
      if (got.Attributes & kSparse) CompressedFileSize(folderPath + std::string(got.Name));
    }
    return ListingOutcome::Listed;
  }

  // Each file met as many times as it has names; how many have more than one.
  int FilesOfManyNames() const {
    int many = 0;
    for (const auto& [file, seen] : names_) {
      if (seen.first != seen.second)
        Differ("file " + std::to_string(file) + " has " + std::to_string(seen.first) + " names, met " +
               std::to_string(seen.second));
      many += seen.first > 1;
    }
    return many;
  }

  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override {
    ++compressed_;
    const auto got = table_.CompressedFileSize(filePath), want = mount_.CompressedFileSize(filePath);
    if (got != want)
      Differ(filePath + ": compressed size " + std::to_string(got.value_or(0)) + " for " +
             std::to_string(want.value_or(0)));
    return got;
  }

  void ProcessMessages() override {}

  int folders_ = 0, compressed_ = 0;

 private:
  ScanPlatform& table_;
  ScanPlatform& mount_;
  FolderListing reference_;
  std::map<uint64_t, std::pair<uint32_t, uint32_t>> names_;  // by file: its names, and how many were met
};

void CompareTrees(const TFolderList& got, const TFolderList& want) {
  if (got.Count() != want.Count()) return Differ(got.Path() + ": tree levels of different lengths");
  for (int32_t i = 0; i < got.Count(); ++i) {
    const TFolderData& a = *got.Entries()[i];
    const TFolderData& b = *want.Entries()[i];
    if (a.Name() != b.Name() || a.Nominal != b.Nominal || a.Allocated != b.Allocated || a.FileCount != b.FileCount ||
        !a.SubList != !b.SubList)
      Differ(got.Path() + std::string(b.Name()) + ": tree entries differ");
    else if (a.SubList && a.Name() != "..")
      CompareTrees(*a.SubList, *b.SubList);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: ntfs_image_check IMAGE MOUNT UPCASE\n");
    return 2;
  }
  std::ifstream upcaseFile(argv[3], std::ios::binary);
  const std::vector<uint8_t> upcaseBytes{std::istreambuf_iterator<char>(upcaseFile), {}};
  if (upcaseBytes.size() != 2 * 65536) {
    std::fprintf(stderr, "ntfs_image_check: %s is no upper-case table\n", argv[3]);
    return 2;
  }
  std::vector<char16_t> upcase(65536);
  for (size_t i = 0; i < upcase.size(); ++i)
    upcase[i] = static_cast<char16_t>(upcaseBytes[2 * i] | upcaseBytes[2 * i + 1] << 8);

  MountListing mount(argv[2], upcase);
  ImageDevices devices(argv[1]);
  LeftToTheMount behindTable(mount);
  FileTableListing table(behindTable, devices);
  const bool cancel = false;
  int progressTold = 0;
  if (!table.ReadTableOf(kRoot, [&](const std::string&) { ++progressTold; }, cancel)) {
    std::fprintf(stderr, "ntfs_image_check: the file table of %s was not read\n", argv[1]);
    return 1;
  }
  Comparing comparing(table, mount);
  TFolderList viaTable(kRoot), viaMount(kRoot);
  viaTable.Scan(cancel, kClusterBytes, true, {}, comparing);
  viaMount.Scan(cancel, kClusterBytes, true, {}, mount);
  CompareTrees(viaTable, viaMount);
  if (viaTable.LongestPath() != viaMount.LongestPath()) Differ("longest path " + viaTable.LongestPath());
  const int manyNames = comparing.FilesOfManyNames();

  std::printf("ntfs image %s: %d files, %d folders, %.0f bytes, longest path %d units; %d listings and %d "
              "compressed sizes compared; files of more than one name: %d; table of %llu records, %.1f bytes "
              "per record; %d differences\n",
              argv[1], viaTable.FileCount(), viaTable.FolderCount(), viaTable.NominalTotal(),
              viaTable.LongestPathLength(), comparing.folders_, comparing.compressed_, manyNames,
              static_cast<unsigned long long>(table.Records()),
              static_cast<double>(table.IndexBytes()) / static_cast<double>(table.Records()), differences);
  // As the scan report counts them; the test compares this line with the mount's inodes.
  const HardLinkFigures links = CountHardLinks(viaTable);
  std::printf("hard links: files=%lld names=%lld nominal=%.0f\n", static_cast<long long>(links.Files),
              static_cast<long long>(links.Names), links.Nominal);
  return differences == 0 && progressTold > 0 ? 0 : 1;
}

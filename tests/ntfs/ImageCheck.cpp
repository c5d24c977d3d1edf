// Scans an NTFS image twice: through its file table, and through its ntfs-3g mount as
// the reference, each folder's entries put in index order by the volume's own
// upper-case table. Every listing and compressed size the walk asks for, and then the
// two trees (names, sizes, counts, longest path), must be the same.
// Usage: ntfs_image_check IMAGE MOUNT UPCASE
#include <dirent.h>
#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "ImageVolume.h"
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
    struct Found {
      std::u16string Key, Name;
      std::string Utf8;
      uint32_t Attributes, Tag;
      uint64_t Size;
    };
    std::vector<Found> found;
    const std::string folder = Local(folderPath);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return ListingOutcome::Failed;
    while (const dirent* entry = ::readdir(dir)) {
      const std::string name = entry->d_name;
      if (name == "." || name == "..") continue;
      const std::string path = folder + name;
      struct stat status {};
      uint32_t attributes = 0, tag = 0;
      if (::lstat(path.c_str(), &status) != 0 ||
          ::lgetxattr(path.c_str(), "system.ntfs_attrib", &attributes, 4) != 4)
        Differ("cannot read " + path);
      if (attributes & kAttributeReparsePoint) {
        uint8_t data[16 * 1024];
        if (::lgetxattr(path.c_str(), "system.ntfs_reparse_data", data, sizeof data) < 4) Differ("no tag: " + path);
        tag = data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
      }
      const bool directory = attributes & kAttributeDirectory;
      // A link's data is its reparse point, not a stream the listing counts.
      const uint64_t size = directory || (attributes & kAttributeReparsePoint) ? 0 : status.st_size;
      std::u16string units = Utf8ToUtf16(name), key = units;
      for (char16_t& unit : key) unit = upcase_[unit];
      found.push_back({key, units, name, attributes ? attributes : kNormal, tag, size});
    }
    ::closedir(dir);
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
      return a.Key != b.Key ? a.Key < b.Key : a.Name < b.Name;
    });
    for (const Found& entry : found) listing.Add(entry.Utf8, entry.Attributes, entry.Tag, entry.Size);
    return ListingOutcome::Listed;
  }

  std::optional<uint64_t> CompressedFileSize(const std::string& filePath) override {
    struct stat status {};
    if (::lstat(Local(filePath).c_str(), &status) != 0) return std::nullopt;
    // Less than a cluster: the data lives in the file's record, not compressed, and
    // takes its size (ntfs-3g counts it in 512-byte blocks).
    if (status.st_blocks * 512 < kClusterBytes) return status.st_size;
    return static_cast<uint64_t>(status.st_blocks) * 512;
  }

  void ProcessMessages() override {}

 private:
  std::string Local(std::string path) const {
    std::replace(path.begin(), path.end(), '\\', '/');
    return mount_ + "/" + path.substr(3);
  }
  std::string mount_;
  const std::vector<char16_t>& upcase_;
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
      return std::string(entry.Name) + " (attributes " + std::to_string(entry.Attributes) + ", size " +
             std::to_string(entry.Size) + ", tag " + std::to_string(entry.ReparseTag) + ")";
    };
    for (size_t i = 0; i < std::min(listing.Count(), reference_.Count()); ++i) {
      if (text(listing[i]) != text(reference_[i]))
        Differ(folderPath + ": " + text(listing[i]) + " for " + text(reference_[i]));
      // The walk asks only for compressed files; sparse ones are asked here.
      else if (listing[i].Attributes & kSparse)
        CompressedFileSize(folderPath + std::string(listing[i].Name));
    }
    return ListingOutcome::Listed;
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
  FileTableListing table(mount, devices);  // read, the table answers every listing
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

  std::printf("ntfs image %s: %d files, %d folders, %.0f bytes, longest path %d units; %d listings and %d "
              "compressed sizes compared; table of %llu records, %.1f bytes per record; %d differences\n",
              argv[1], viaTable.FileCount(), viaTable.FolderCount(), viaTable.NominalTotal(),
              viaTable.LongestPathLength(), comparing.folders_, comparing.compressed_,
              static_cast<unsigned long long>(table.Records()),
              static_cast<double>(table.IndexBytes()) / static_cast<double>(table.Records()), differences);
  return differences == 0 && progressTold > 0 ? 0 : 1;
}

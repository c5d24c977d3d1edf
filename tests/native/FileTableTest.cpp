// The file table listing over volumes laid out in memory; the same reader against real
// NTFS volumes made by mkntfs and ntfs-3g is tests/ntfs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "FakeFileSystem.h"
#include "FakeVolumeDevices.h"
#include "NtfsVolumeBuilder.h"
#include "ntfs/FileTableListing.h"
#include "ntfs/FileTableReader.h"
#include "ntfs/Structures.h"

namespace {

constexpr uint32_t kRoot = NtfsVolumeBuilder::kRoot;
constexpr uint32_t kTagMountPoint = 0xA0000003, kTagCloud = 0x9000601A;

struct Listed {
  std::string Name;
  uint32_t Attributes;
  uint64_t Size;
  uint32_t Tag = 0;
  bool operator==(const Listed&) const = default;
  friend void PrintTo(const Listed& entry, std::ostream* out) {
    *out << entry.Name << " 0x" << std::hex << entry.Attributes << std::dec << " " << entry.Size;
  }
};

class FileTable : public ::testing::Test {
 protected:
  // Reads the table of C: as laid out so far.
  bool Read() {
    devices.Volumes['C'] = volume.Image();
    return listing.ReadTableOf("C:\\", [&](const std::string& text) { progress.push_back(text); }, cancel);
  }
  std::vector<Listed> List(const std::string& folder) {
    FolderListing found;
    listing.ListFolder(folder, found);
    std::vector<Listed> entries;
    for (size_t i = 0; i < found.Count(); ++i)
      entries.push_back({std::string(found[i].Name), found[i].Attributes, found[i].Size, found[i].ReparseTag});
    return entries;
  }
  // One entry of a folder, valid until the next is asked for.
  FoundEntry Entry(const std::string& folder, std::string_view name) {
    found.Clear();
    listing.ListFolder(folder, found);
    for (size_t i = 0; i < found.Count(); ++i)
      if (found[i].Name == name) return found[i];
    ADD_FAILURE() << name << " is not in " << folder;
    return {};
  }

  NtfsVolumeBuilder volume;
  FakeFileSystem walked;  // the platform's own listing
  FakeVolumeDevices devices;
  FileTableListing listing{walked, devices};
  bool cancel = false;
  std::vector<std::string> progress;
  FolderListing found;
};

TEST_F(FileTable, ListsEachFolderAsTheDirectoryListingDoes) {
  const uint32_t docs = volume.Folder(kRoot, "Docs");
  const uint32_t big = volume.File(docs, "b.txt", 50000);
  volume.File(docs, "A.txt", 100);
  volume.File(docs, "\xC3\xA4.txt", 7);  // ä: after B once upper-cased, as its bytes are not
  volume.Name(big, kRoot, "link to b.txt");  // a hard link: the same size under each name
  volume.Name(big, docs, "BTXT~1.TXT", ntfs::kDosNamespace);
  volume.Free(volume.File(docs, "deleted.txt", 1));
  volume.Attributes(volume.File(kRoot, "hidden", 0), 0x2);
  const uint32_t junction = volume.Folder(kRoot, "junction");
  volume.Reparse(junction, kTagMountPoint);
  volume.File(junction, "behind", 1);
  ASSERT_TRUE(Read());

  // No metadata file, not even the root's own name, nor what $Extend holds.
  EXPECT_EQ(List("C:\\"), (std::vector<Listed>{{"Docs", 0x10, 0},
                                               {"hidden", 0x2, 0},
                                               {"junction", 0x410, 0, kTagMountPoint},
                                               {"link to b.txt", 0x20, 50000}}));
  EXPECT_EQ(List("C:\\Docs\\"), (std::vector<Listed>{{"A.txt", 0x20, 100}, {"b.txt", 0x20, 50000},
                                                     {"\xC3\xA4.txt", 0x20, 7}}));
  EXPECT_TRUE(List("C:\\junction\\").empty());  // what a link points to is the platform's to list
  // Each long name of a file tells its record and how many long names it has.
  for (const auto& [folder, name] : {std::pair{"C:\\Docs\\", "b.txt"}, {"C:\\", "link to b.txt"}}) {
    EXPECT_EQ(Entry(folder, name).FileId, big) << name;
    EXPECT_EQ(Entry(folder, name).Links, 2u) << name;
  }
  EXPECT_EQ(Entry("C:\\Docs\\", "A.txt").Links, 1u);
  EXPECT_EQ(Entry("C:\\", "Docs").Links, 0u);  // folders do not tell
  // No other folder listed by the platform.
  std::erase(walked.Events, "pump");
  EXPECT_EQ(walked.Events, std::vector<std::string>{"list C:\\junction\\"});
  EXPECT_EQ(progress.front(), "Reading the file table of C:\\... 0%");
  EXPECT_EQ(progress.back(), "Reading the file table of C:\\... 100%");
}

TEST_F(FileTable, FindsWhatSpilledIntoExtensionRecordsAndCompressedSizes) {
  const uint32_t spilled = volume.File(kRoot, "spilled.bin", 123456);
  volume.Spill(spilled);
  volume.Compressed(volume.File(kRoot, "packed.txt", 300000), 65536);
  volume.Compressed(volume.File(kRoot, "small.txt", 100), 0);
  // A folder freed and its record made again: what stayed of the old one is not in it.
  const uint32_t old = volume.Folder(kRoot, "old");
  volume.File(old, "orphan", 1);
  volume.Free(old);
  ASSERT_EQ(volume.Folder(kRoot, "new"), old);
  volume.File(old, "child", 2);
  ASSERT_TRUE(Read());

  EXPECT_EQ(List("C:\\"), (std::vector<Listed>{{"new", 0x10, 0}, {"packed.txt", 0x820, 300000},
                                               {"small.txt", 0x820, 100}, {"spilled.bin", 0x20, 123456}}));
  EXPECT_EQ(List("C:\\new\\"), (std::vector<Listed>{{"child", 0x20, 2}}));
  EXPECT_EQ(listing.CompressedFileSize("C:\\packed.txt"), 65536u);
  EXPECT_EQ(listing.CompressedFileSize("C:\\small.txt"), 100u);
  EXPECT_EQ(listing.CompressedFileSize("C:\\spilled.bin"), 123456u);
}

TEST_F(FileTable, EntersCloudFoldersWhereOnlineOnlyFilesTakeWhatTheirRecordsGiveThem) {
  const uint32_t cloud = volume.Folder(kRoot, "OneDrive");
  volume.Reparse(cloud, kTagCloud);
  const uint32_t sub = volume.Folder(cloud, "Documents");
  volume.Reparse(sub, kTagCloud & ~0xF000u);
  // `sparse`: the clusters it has.
  const auto file = [&](uint32_t folder, const char* name, uint64_t size, uint32_t attributes,
                        std::optional<uint64_t> sparse = std::nullopt) {
    const uint32_t record = volume.File(folder, name, size);
    if (sparse) volume.Compressed(record, *sparse);
    volume.Reparse(record, kTagCloud);
    volume.Attributes(record, attributes | 0x400);
    return record;
  };
  file(sub, "online.docx", 57000, 0x400220, 0);  // nothing on the volume
  file(sub, "partly.bin", 200000, 0x1220, 8192);
  volume.Allocated(file(cloud, "kept.txt", 5000, 0x1020), 65536);
  file(cloud, "note.txt", 100, 0x400020);  // kept in its record
  file(cloud, "hydrated.txt", 30000, 0x20);
  volume.Allocated(volume.File(kRoot, "preallocated", 5000), 65536);
  ASSERT_TRUE(Read());

  EXPECT_EQ(List("C:\\OneDrive\\"), (std::vector<Listed>{{"Documents", 0x410, 0, kTagCloud & ~0xF000u},
                                                         {"hydrated.txt", 0x420, 30000, kTagCloud},
                                                         {"kept.txt", 0x1420, 5000, kTagCloud},
                                                         {"note.txt", 0x400420, 100, kTagCloud}}));
  EXPECT_EQ(List("C:\\OneDrive\\Documents\\"), (std::vector<Listed>{{"online.docx", 0x400620, 57000, kTagCloud},
                                                                    {"partly.bin", 0x1620, 200000, kTagCloud}}));
  // Files with their data here are rounded up to clusters by the walk, as any other.
  const std::tuple<const char*, const char*, uint64_t> allocated[] = {
      {"C:\\OneDrive\\Documents\\", "online.docx", 0}, {"C:\\OneDrive\\Documents\\", "partly.bin", 8192},
      {"C:\\OneDrive\\", "kept.txt", 65536}, {"C:\\OneDrive\\", "note.txt", 0},
      {"C:\\OneDrive\\", "hydrated.txt", kAllocatedFromClusters}, {"C:\\", "preallocated", kAllocatedFromClusters}};
  for (const auto& [folder, name, bytes] : allocated) EXPECT_EQ(Entry(folder, name).Allocated, bytes) << name;
  EXPECT_EQ(listing.CompressedFileSize("C:\\OneDrive\\Documents\\partly.bin"), 8192u);
  EXPECT_EQ(listing.CompressedFileSize("C:\\preallocated"), 5000u);
}

TEST_F(FileTable, AnyDoubtLeavesTheListingToThePlatform) {
  walked.AddFile("C:\\walked.txt", 5);
  volume.File(kRoot, "table.txt", 5);
  std::vector<uint8_t> image = volume.Image();
  const auto expectWalked = [&](const char* why) {
    devices.Volumes['C'] = image;
    EXPECT_FALSE(listing.ReadTableOf("C:\\", {}, cancel)) << why;
    EXPECT_EQ(List("C:\\"), (std::vector<Listed>{{"walked.txt", 0, 5}})) << why;
  };
  const size_t record = 40 * 4096 + 27 * 1024;
  image[record + 511] ^= 1;  // a record caught half written
  expectWalked("torn record");
  image = volume.Image();
  std::memcpy(&image[record], "BAAD", 4);
  expectWalked("record found damaged");
  image = volume.Image();
  image[3] = 'X';
  expectWalked("no NTFS volume");
  EXPECT_FALSE(listing.ReadTableOf("\\\\server\\share\\", {}, cancel));
  EXPECT_FALSE(listing.ReadTableOf("D:\\", {}, cancel));  // D: cannot be opened
  EXPECT_EQ(devices.Opened, (std::vector<char>{'C', 'C', 'C', 'D'}));
}

TEST_F(FileTable, BelowADrivesRootTheTableIsReadOnlyOnceListingHasCostAsMuch) {
  walked.AddFile("C:\\Docs\\walked.txt", 5);
  volume.File(volume.Folder(kRoot, "Docs"), "table.txt", 5);
  devices.Volumes['C'] = volume.Image();
  listing.ReadTableWhenItPays("C:\\Docs\\", {}, cancel);
  EXPECT_EQ(List("C:\\Docs\\"), (std::vector<Listed>{{".", 0x10, 0}, {"..", 0x10, 0}, {"walked.txt", 0, 5}}));
  EXPECT_EQ(listing.Records(), 0u);
  listing.ReadTableWhenItPays("C:\\", {}, cancel);  // all of it will be listed: at once
  EXPECT_EQ(List("C:\\Docs\\"), (std::vector<Listed>{{"table.txt", 0x20, 5}}));
}

// The walk goes into a folder from the one it just listed: the folder is the one listed
// there, whatever other folder has its name, and a name twice over in one folder (a
// damaged index) opens the first, as by its name on Windows.
TEST_F(FileTable, EntersTheFolderListedUnderItsNameThere) {
  for (const char* name : {"A", "B"}) {
    const uint32_t folder = volume.Folder(kRoot, name);
    volume.File(volume.Folder(folder, "Same"), std::string(name) + ".txt", 1);
    volume.Compressed(volume.File(folder, "packed", 5000), std::string_view(name) == "A" ? 4096 : 8192);
  }
  volume.File(volume.Folder(kRoot, "Twice"), "first", 1);
  volume.File(volume.Folder(kRoot, "Twice"), "second", 2);
  ASSERT_TRUE(Read());

  const auto names = [&](const std::string& folder) {
    std::vector<std::string> listed;
    for (const Listed& entry : List(folder)) listed.push_back(entry.Name);
    return listed;
  };
  using Names = std::vector<std::string>;
  EXPECT_EQ(names("C:\\"), (Names{"A", "B", "Twice", "Twice"}));
  for (const char* name : {"A", "B"}) {
    const std::string folder = std::string("C:\\") + name + "\\";
    EXPECT_EQ(names(folder), (Names{"packed", "Same"}));
    EXPECT_EQ(names(folder + "Same\\"), Names{std::string(name) + ".txt"});
    // Back in the folder above, once the one below is done.
    EXPECT_EQ(listing.CompressedFileSize(folder + "packed"), name == std::string("A") ? 4096u : 8192u);
  }
  for (int twice = 0; twice < 2; ++twice) {
    EXPECT_EQ(names("C:\\Twice\\"), Names{"first"});
    names("C:\\");  // left for the folder above in between
  }
  EXPECT_EQ(names("C:\\a\\same\\"), Names{"A.txt"});  // out of the walk's order, and in other case
  std::erase(walked.Events, "pump");
  EXPECT_TRUE(walked.Events.empty());
}

// A table of three chunks: each read on a thread while the one before is parsed, the
// share told on the caller's thread; a read that fails, or a record in doubt while
// the thread waits to read on, drops the table.
TEST_F(FileTable, ReadsAheadWhileParsingAndStopsAtAFailedReadOrADoubtfulRecord) {
  // The image, but for a read that reaches `bad`.
  class Damaged : public ByteSource {
   public:
    Damaged(const std::vector<uint8_t>& bytes, uint64_t bad) : bytes_(bytes), bad_(bad) {}
    bool Read(uint64_t offset, std::span<uint8_t> into) override {
      if ((offset <= bad_ && bad_ - offset < into.size()) || offset + into.size() > bytes_.size()) return false;
      std::memcpy(into.data(), &bytes_[offset], into.size());
      return true;
    }
    std::optional<uint64_t> Bytes() const override { return bytes_.size(); }

   private:
    const std::vector<uint8_t>& bytes_;
    uint64_t bad_;
  };
  for (int i = 0; i < 4500; ++i) volume.File(kRoot, "file " + std::to_string(i), i);
  std::vector<uint8_t> image = volume.Image();
  const auto read = [&](uint64_t bad) {
    Damaged damaged(image, bad);
    const std::thread::id caller = std::this_thread::get_id();
    return ntfs::ReadFileTable(damaged, [&](double) { EXPECT_EQ(std::this_thread::get_id(), caller); }, cancel);
  };
  const std::unique_ptr<ntfs::FileTable> whole = read(UINT64_MAX);
  ASSERT_TRUE(whole);
  found.Clear();
  whole->List(kRoot, found);
  ASSERT_EQ(found.Count(), 4500u);
  size_t last = 0;  // its record in the last chunk
  while (last < found.Count() && found[last].Name != "file 4099") ++last;
  ASSERT_LT(last, found.Count());
  EXPECT_EQ(found[last].Size, 4099u);
  const uint64_t table = 40 * 4096;
  EXPECT_FALSE(read(table + (5 << 19))) << "the second chunk";
  std::memcpy(&image[table + 27 * 1024], "BAAD", 4);
  EXPECT_FALSE(read(UINT64_MAX)) << "a damaged record in the first chunk";
}

TEST(DataRuns, DecodeRelativeOffsetsAndSparseRunsWithinTheVolume) {
  // 0x10 clusters at 0x2000, 5 sparse, 8 at 0x2000 - 0x100.
  const uint8_t pairs[] = {0x21, 0x10, 0x00, 0x20, 0x01, 0x05, 0x21, 0x08, 0x00, 0xFF, 0x00};
  const auto runs = ntfs::DecodeRuns(pairs, 0, 0x10000);
  std::vector<std::tuple<uint64_t, uint64_t, std::optional<uint64_t>>> decoded;
  for (const ntfs::Run& run : runs.value()) decoded.emplace_back(run.Vcn, run.Length, run.Lcn);
  EXPECT_EQ(decoded, (decltype(decoded){{0, 0x10, 0x2000}, {0x10, 5, std::nullopt}, {0x15, 8, 0x1F00}}));
  EXPECT_FALSE(ntfs::DecodeRuns(pairs, 0, 0x2008));  // the first run ends beyond the volume
  EXPECT_FALSE(ntfs::DecodeRuns(std::span(pairs).first(3), 0, 0x10000));  // cut short
}

// No figure may reach past the volume's end, nor wrap an offset around (which once left
// the reader taking nothing, forever).
TEST_F(FileTable, RefusesFiguresBeyondTheVolume) {
  const std::vector<uint8_t> whole = volume.Image();
  const auto read = [&](const std::vector<uint8_t>& image) {
    devices.Volumes['C'] = image;
    return ntfs::ReadFileTable(*devices.Open('C'), [](double) {}, cancel) != nullptr;
  };
  const auto put = [](std::vector<uint8_t>& image, size_t at, uint64_t value, size_t bytes) {
    for (size_t i = 0; i < bytes; ++i) image[at + i] = static_cast<uint8_t>(value >> (8 * i));
  };
  ASSERT_TRUE(read(whole));
  // $MFT's own data run, in the first record of the table at cluster 40.
  const size_t mft = 40 * 4096;
  size_t data = mft + ntfs::Read<uint16_t>(whole, mft + 0x14);
  while (ntfs::Read<uint32_t>(whole, data) != ntfs::kData) data += ntfs::Read<uint32_t>(whole, data + 4);
  const size_t run = data + ntfs::Read<uint16_t>(whole, data + 0x20);

  std::vector<uint8_t> image = whole;
  put(image, 0x28, uint64_t{1} << 60, 8);  // sectors
  put(image, run, 0x17, 1);                // seven bytes of length, one of offset
  put(image, run + 1, uint64_t{1} << 52, 7);
  put(image, run + 8, 40, 1);
  EXPECT_FALSE(read(image)) << "2^60 sectors, $MFT 2^52 clusters at its place";
  image = whole;
  put(image, 0x28, whole.size() / 512 + 8, 8);
  EXPECT_FALSE(read(image)) << "a cluster more than the volume holds";
  image = whole;
  put(image, 0x30, whole.size() / 4096, 8);
  EXPECT_FALSE(read(image)) << "the table past the volume's end";
}

// A cancel is heard before every read on the caller's thread, from the boot sector's on.
TEST_F(FileTable, ReadsNothingOnceCancelled) {
  devices.Volumes['C'] = volume.Image();
  for (const bool onProgress : {true, false}) {  // as progress is first told, or as the boot sector is read
    cancel = false;
    int reads = 0;
    devices.OnRead = [&] { ++reads; cancel = cancel || !onProgress; };
    EXPECT_FALSE(ntfs::ReadFileTable(*devices.Open('C'), [&](double) { cancel = cancel || onProgress; }, cancel));
    EXPECT_EQ(reads, onProgress ? 0 : 1) << onProgress;
  }
}

}  // namespace

// The file table listing over volumes laid out in memory; the same reader against real
// NTFS volumes made by mkntfs and ntfs-3g is tests/ntfs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "FakeFileSystem.h"
#include "FakeVolumeDevices.h"
#include "NtfsVolumeBuilder.h"
#include "ntfs/FileTableListing.h"
#include "ntfs/Structures.h"

namespace {

constexpr uint32_t kRoot = NtfsVolumeBuilder::kRoot;
constexpr uint32_t kTagMountPoint = 0xA0000003;

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

  NtfsVolumeBuilder volume;
  FakeFileSystem walked;  // the platform's own listing
  FakeVolumeDevices devices;
  FileTableListing listing{walked, devices};
  bool cancel = false;
  std::vector<std::string> progress;
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
  ASSERT_TRUE(Read());

  // No metadata file, not even the root's own name, nor what $Extend holds.
  EXPECT_EQ(List("C:\\"), (std::vector<Listed>{{"Docs", 0x10, 0},
                                               {"hidden", 0x2, 0},
                                               {"junction", 0x410, 0, kTagMountPoint},
                                               {"link to b.txt", 0x20, 50000}}));
  EXPECT_EQ(List("C:\\Docs\\"), (std::vector<Listed>{{"A.txt", 0x20, 100}, {"b.txt", 0x20, 50000},
                                                     {"\xC3\xA4.txt", 0x20, 7}}));
  EXPECT_TRUE(List("C:\\junction\\").empty());  // what a link points to is not this table's
  // No folder listed by the platform.
  EXPECT_EQ(std::count(walked.Events.begin(), walked.Events.end(), "pump"), std::ssize(walked.Events));
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
  EXPECT_EQ(listing.CompressedFileSize("C:\\absent"), std::nullopt);
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

TEST(DataRuns, DecodeRelativeOffsetsAndSparseRunsWithinTheVolume) {
  // 0x10 clusters at 0x2000, 5 sparse, 8 at 0x2000 - 0x100.
  const uint8_t pairs[] = {0x21, 0x10, 0x00, 0x20, 0x01, 0x05, 0x21, 0x08, 0x00, 0xFF, 0x00};
  const auto runs = ntfs::DecodeRuns(pairs, 0, 0x10000);
  ASSERT_TRUE(runs);
  ASSERT_EQ(runs->size(), 3u);
  EXPECT_EQ((*runs)[0].Lcn, 0x2000u);
  EXPECT_EQ((*runs)[1].Lcn, std::nullopt);
  EXPECT_EQ((*runs)[1].Vcn, 0x10u);
  EXPECT_EQ((*runs)[2].Lcn, 0x1F00u);
  EXPECT_EQ((*runs)[2].Vcn, 0x15u);
  EXPECT_FALSE(ntfs::DecodeRuns(pairs, 0, 0x2008));  // the first run ends beyond the volume
  EXPECT_FALSE(ntfs::DecodeRuns(std::span(pairs).first(3), 0, 0x10000));  // cut short
}

}  // namespace

// What a scan notes of itself, how the report tells it, and what changed between two
// scans of the same path.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "FakeFileSystem.h"
#include "FakeVolumeApi.h"
#include "app/ScanChanges.h"
#include "app/ScanReport.h"
#include "scan/FolderList.h"

namespace {

constexpr uint32_t kTagMountPoint = 0xA0000003, kTagSymbolicLink = 0xA000000C, kTagCloud = 0x9000601A;
constexpr uint32_t kCompressed = 0x800;

using Noted = NotedPaths::Noted;

std::unique_ptr<TFolderList> Scan(FakeFileSystem& fs, ScanNotes* notes = nullptr, bool cancel = false) {
  auto root = std::make_unique<TFolderList>("C:\\D\\");
  root->Scan(cancel, 4096, true, {}, fs, notes);
  return root;
}

TEST(ScanNotes, RecordWhatWasNotListedEnteredOrMeasuredKeepingTheFirstThousand) {
  FakeFileSystem fs;
  fs.AddFolder("C:\\D\\Denied").Listing = ListingOutcome::AccessDenied;
  fs.AddFolder("C:\\D\\Gone").Listing = ListingOutcome::NotFound;
  fs.AddFolder("C:\\D\\Deep").Listing = ListingOutcome::PathTooLong;
  fs.AddFolder("C:\\D\\Junction", kAttributeDirectory | kAttributeReparsePoint).ReparseTag = kTagMountPoint;
  fs.AddFolder("C:\\D\\Link", kAttributeDirectory | kAttributeReparsePoint).ReparseTag = kTagSymbolicLink;
  fs.AddFile("C:\\D\\Cloud\\in.txt", 1);
  fs.AddFolder("C:\\D\\Cloud").Attributes |= kAttributeReparsePoint;  // entered: its data is elsewhere
  fs.AddFolder("C:\\D\\Cloud").ReparseTag = kTagCloud;
  fs.AddFile("C:\\D\\packed.bin", 9000, kCompressed);  // the platform cannot tell its size
  for (int i = 0; i < 1005; ++i) fs.AddFolder("C:\\D\\Many\\f" + std::to_string(1000 + i)).Listing = ListingOutcome::Failed;
  ScanNotes notes;
  Scan(fs, &notes);

  const std::vector<Noted>& unreadable = notes.Unreadable.Kept();
  ASSERT_EQ(unreadable.size(), NotedPaths::kKept);
  EXPECT_EQ(notes.Unreadable.Count(), 1008u);
  EXPECT_EQ(std::vector<Noted>(unreadable.begin(), unreadable.begin() + 3),
            (std::vector<Noted>{{"C:\\D\\Denied\\", static_cast<uint32_t>(ListingOutcome::AccessDenied)},
                                {"C:\\D\\Gone\\", static_cast<uint32_t>(ListingOutcome::NotFound)},
                                {"C:\\D\\Deep\\", static_cast<uint32_t>(ListingOutcome::PathTooLong)}}));
  EXPECT_EQ(notes.NotEntered.Kept(),
            (std::vector<Noted>{{"C:\\D\\Junction\\", kTagMountPoint}, {"C:\\D\\Link\\", kTagSymbolicLink}}));
  EXPECT_EQ(notes.NoCompressedSize.Kept(), (std::vector<Noted>{{"C:\\D\\packed.bin", 0}}));
}

TEST(ScanReport, TellsReasonsKindsAndWhatTheVolumeHoldsBeyondTheCount) {
  ScanReport report{.Path = "C:\\", .Started = {2026, 12, 7, 9, 5, 3}, .Seconds = 2.25, .Cancelled = true,
                    .Files = 1234, .Folders = 5, .Nominal = 400000, .Allocated = 500000, .Slack = 100000,
                    .Volume = VolumeSpace{1000000, 400000}};
  report.Notes.Unreadable.Add("C:\\Secret\\", static_cast<uint32_t>(ListingOutcome::AccessDenied));
  report.Notes.NotEntered.Add("C:\\Junction\\", kTagMountPoint);
  report.Notes.NotEntered.Add("C:\\Mounted\\", kTagMountPoint);
  report.Notes.NotEntered.Add("C:\\Link\\", kTagSymbolicLink);
  FakeVolumeApi volumes;
  volumes.MountPoints.insert("C:\\Mounted\\");
  const ReportTexts texts = DescribeScan(report, std::nullopt, 0, {}, volumes);

  EXPECT_EQ(std::vector<std::string>(texts.Summary.begin(), texts.Summary.begin() + 13),
            (std::vector<std::string>{"Scanned: C:\\", "Started: 07 Dec 2026 09:05:03", "Took: 2.3 seconds",
                                      "Cancelled: the figures are of what was scanned before", "Files: 1,234",
                                      "Folders: 5", "Nominal size: 400,000 bytes", "Allocated size: 500,000 bytes",
                                      "Slack: 100,000 bytes", "Volume size: 1,000,000 bytes", "Used: 600,000 bytes",
                                      "Free: 400,000 bytes", "Not accounted for: 100,000 bytes"}));
  EXPECT_EQ(texts.Unreadable[0].Text, "C:\\Secret\\   (access denied)");
  EXPECT_EQ(texts.NotEntered[0].Text, "C:\\Junction\\   (junction)");
  EXPECT_EQ(texts.NotEntered[1].Text, "C:\\Mounted\\   (mount point)");
  EXPECT_EQ(texts.NotEntered[2].Text, "C:\\Link\\   (symbolic link)");
  EXPECT_EQ(texts.NotEntered[2].Folder, "C:\\Link\\");
  EXPECT_EQ(texts.NotEnteredTitle, "Links not followed: 3");
  const std::string saved = ReportText(texts);
  EXPECT_NE(saved.find("\r\nFolders that could not be listed: 1\r\nC:\\Secret\\   (access denied)\r\n"),
            std::string::npos);
  EXPECT_NE(saved.find("\r\nChanges\r\nThe scan was cancelled"), std::string::npos);
}

TEST(ScanReport, CountsAFileUnderSeveralNamesOnceAndTellsOnlineOnlyFiles) {
  FakeFileSystem fs;
  // One file with three names, two of them here; one whose second name lies elsewhere.
  for (const char* name : {"C:\\D\\a.bin", "C:\\D\\Sub\\b.bin"}) {
    FakeFileSystem::Node& file = fs.AddFile(name, 10000);
    file.FileId = 40;
    file.Links = 3;
  }
  FakeFileSystem::Node& half = fs.AddFile("C:\\D\\half.bin", 5000);
  half.FileId = 41;
  half.Links = 2;
  FakeFileSystem::Node& cloud = fs.AddFile("C:\\D\\cloud.docx", 70000, kAttributeRecallOnDataAccess);
  cloud.Links = 1;
  cloud.Allocated = 0;
  ScanNotes notes;
  const auto root = Scan(fs, &notes);
  EXPECT_EQ(root->AllocatedTotal(), 32768);  // per name, as listed; the cloud file takes nothing

  ScanReport report{.Path = "C:\\", .Allocated = root->AllocatedTotal(), .Volume = VolumeSpace{100000, 0},
                    .Notes = notes, .Links = CountHardLinks(*root)};
  FakeVolumeApi volumes;
  std::vector<std::string> summary = DescribeScan(report, std::nullopt, 0, {}, volumes).Summary;
  const auto has = [&](const std::string& line) {
    return std::find(summary.begin(), summary.end(), line) != summary.end();
  };
  EXPECT_TRUE(has("Files with more than one name here: 1, with 2 names"));
  EXPECT_TRUE(has("Shown more than once: 12,288 bytes (nominal 10,000 bytes)"));
  EXPECT_TRUE(has("Online-only files: 1, 70,000 bytes nominal (a cloud provider keeps their data)"));
  EXPECT_TRUE(has("Not accounted for: 79,520 bytes"));  // 100,000 - (32,768 - 12,288)

  report.Links = {.FilesNotTold = 1};
  report.LeftOut = 2;
  summary = DescribeScan(report, std::nullopt, 0, {}, volumes).Summary;
  EXPECT_TRUE(has("Files with more than one name: not counted (the listing of folders does not tell them)"));
  EXPECT_TRUE(has("Left out of the export: 2 entries whose names no Windows folder can hold"));
}

class Changes : public ::testing::Test {
 protected:
  // The tree of `before` kept, then `after` scanned and compared with it.
  ScanChanges Compare(ChangeMeasure measure = ChangeMeasure::Allocated) {
    const ScanSnapshot snapshot(*Scan(before), {2026, 12, 7, 9, 0, 0});
    now = Scan(after);
    return CompareScans(snapshot, *now, measure);
  }
  static std::vector<std::string> Paths(const std::vector<FolderChange>& changes) {
    std::vector<std::string> paths;
    for (const FolderChange& change : changes)
      paths.push_back(change.Path + (change.New ? " new" : "") + (change.Gone ? " gone" : ""));
    return paths;
  }
  FakeFileSystem before, after;
  std::unique_ptr<TFolderList> now;
};

TEST_F(Changes, AreShownWhereTheyHappenedNotAtEveryFolderAbove) {
  for (FakeFileSystem* fs : {&before, &after}) {
    fs->AddFile("C:\\D\\A\\B\\C\\old.bin", 4096);
    fs->AddFile("C:\\D\\A\\other.bin", 4096);
    fs->AddFile("C:\\D\\E\\keep.bin", 8192);
  }
  after.AddFile("C:\\D\\A\\B\\C\\new.bin", 40960);  // +40,960 deep down
  after.AddFile("C:\\D\\E\\more.bin", 4096);        // and +4,096 elsewhere
  const ScanChanges changes = Compare();
  EXPECT_EQ(Paths(changes.Grown), (std::vector<std::string>{"C:\\D\\A\\B\\C\\", "C:\\D\\E\\"}));
  EXPECT_EQ(std::tuple(changes.Grown[0].Before, changes.Grown[0].After, changes.TotalAfter - changes.TotalBefore),
            std::tuple(4096, 45056, 45056));
  EXPECT_TRUE(changes.Shrunk.empty());
}

TEST_F(Changes, AMovedFolderIsGoneAndNewAndEqualChangesGoByPath) {
  before.AddFile("C:\\D\\A\\X\\f.bin", 8192);
  before.AddFolder("C:\\D\\B");
  after.AddFolder("C:\\D\\A");
  after.AddFile("C:\\D\\B\\X\\f.bin", 8192);
  after.AddFile("C:\\D\\Z\\g.bin", 8192);
  after.AddFile("C:\\D\\Y\\g.bin", 8192);
  const ScanChanges changes = Compare();
  // The root too: no one folder makes more than half of its growth.
  EXPECT_EQ(Paths(changes.Grown), (std::vector<std::string>{"C:\\D\\", "C:\\D\\B\\X\\ new", "C:\\D\\Y\\ new",
                                                            "C:\\D\\Z\\ new"}));
  EXPECT_EQ(Paths(changes.Shrunk), (std::vector<std::string>{"C:\\D\\A\\X\\ gone"}));
  EXPECT_EQ(changes.Shrunk[0].Change(), -8192);
}

TEST_F(Changes, CountFilesWhenAskedAndNameFoldersGoneByTheNearestKnownOne) {
  // More folders than are named: the smallest one gone is found under its parent.
  for (size_t i = 0; i <= ScanSnapshot::kNamed; ++i)
    before.AddFile("C:\\D\\P\\f" + std::to_string(i) + "\\x.bin", 4096 * (i + 1));
  for (size_t i = 1; i <= ScanSnapshot::kNamed; ++i)
    after.AddFile("C:\\D\\P\\f" + std::to_string(i) + "\\x.bin", 4096 * (i + 1));
  after.AddFile("C:\\D\\P\\f7\\y.bin", 1);
  const ScanChanges changes = Compare(ChangeMeasure::Files);
  EXPECT_EQ(Paths(changes.Shrunk), (std::vector<std::string>{"C:\\D\\P\\\xE2\x80\xA6\\ gone"}));
  EXPECT_EQ(changes.Shrunk[0].Before, 1);
  EXPECT_EQ(Paths(changes.Grown), (std::vector<std::string>{"C:\\D\\P\\f7\\"}));
}

}  // namespace

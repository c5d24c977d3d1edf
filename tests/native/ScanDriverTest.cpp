// What a scan or an export's load is, from its start to its tree, and what a window is
// told of it, over an in-memory disk.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "FakeMachine.h"
#include "NtfsVolumeBuilder.h"
#include "app/ScanDriver.h"
#include "app/UsageView.h"

namespace {

using Lines = std::vector<std::string>;

struct RecordingView : ScanView {
  void TreeGoing() override { Told.push_back("tree going"); }
  void ScanBegins() override { Told.push_back("begins"); }
  void Sizes(bool supported, bool compressed) override {
    Told.push_back(std::string(supported ? "compression" : "none") + (compressed ? ", compressed" : ""));
  }
  void Scanned(TFolderList& root) override { Told.push_back("scanned " + root.Path()); }
  void ScanEnds() override { Told.push_back("ends"); }
  Lines Told;
};

Lines Names(const TFolderList& level) {
  Lines names;
  for (const TFolderData* entry : level.Entries()) names.emplace_back(entry->Name());
  return names;
}

// Drive C: of 4096-byte clusters with compression and 1 GiB free.
class Driver : public ::testing::Test, protected FakeMachine {
 protected:
  Driver() {
    volume.Drives["C:\\"] = {{8, 512, 262144, 1000000}, VolumeApi::FreeSpaceEx{0, 0, 1u << 30}, 0x10};
    fs.AddFile("C:\\Data\\readme.txt", 100);
    fs.AddFile("C:\\Data\\Sub\\big.bin", 10000);
  }

  RecordingView view;
  ScanDriver driver{platform, view};
  TSettings settings;
};

TEST_F(Driver, ADriveGetsItsFreeSpaceAndThenCompressedSizesAFolderLeavesTheChoice) {
  settings.DisplayFreeDiskSpace = true;
  settings.DisplayCompressed = 2;
  ASSERT_TRUE(driver.Scan("C:\\Data", settings));
  EXPECT_EQ(view.Told, (Lines{"tree going", "begins", "compression", "scanned C:\\Data\\", "ends"}));
  EXPECT_EQ(Names(driver.Root()), (Lines{"readme.txt", "\\Sub"}));
  EXPECT_EQ(settings.DisplayCompressed, 2);

  ASSERT_TRUE(driver.Scan("C:", settings));
  EXPECT_EQ(Names(driver.Root()), (Lines{"(C: free space)", "\\Data"}));
  EXPECT_EQ(driver.Root().FileCount(), 2);  // the free space is no file
  EXPECT_EQ(settings.DisplayCompressed, 1);
  EXPECT_EQ(view.Told[7], "compression, compressed");
  EXPECT_EQ(driver.LastReport()->Volume->FreeBytes, 1 << 30);
}

TEST_F(Driver, DropsRequestsDuringAScanAndCancelEndsItWithThePartialTreeShown) {
  fs.OnProcessMessages = [&] {
    EXPECT_FALSE(driver.Scan("C:\\Data", settings));
    EXPECT_FALSE(driver.Load("any.json"));
    EXPECT_TRUE(driver.Scanning());
    if (driver.Progress() == "Scanning C:\\Data\\Sub\\...") driver.Cancel();
  };
  ASSERT_TRUE(driver.Scan("C:\\Data", settings));
  EXPECT_FALSE(driver.Scanning());
  EXPECT_TRUE(driver.LastReport()->Cancelled);
  EXPECT_EQ(driver.Root().FileCount(), 1);
  EXPECT_EQ(view.Told.back(), "ends");

  fs.OnProcessMessages = [] { throw std::runtime_error("the walk failed"); };
  view.Told.clear();
  EXPECT_THROW(driver.Scan("C:\\Data", settings), std::runtime_error);
  EXPECT_EQ(view.Told, (Lines{"tree going", "begins", "compression", "scanned C:\\Data\\", "ends"}));
  EXPECT_FALSE(driver.Scanning());
}

TEST_F(Driver, ReadsADrivesFileTableUntilCancelledOrToldNotTo) {
  NtfsVolumeBuilder ntfs;
  ntfs.File(ntfs.Folder(NtfsVolumeBuilder::kRoot, "Data"), "from the table.bin", 8192);
  devices.Volumes['C'] = ntfs.Image();
  const auto listings = [&] { return std::count(fs.Events.begin(), fs.Events.end(), "list C:\\Data\\"); };
  driver.Scan("C:\\", settings);
  EXPECT_EQ(Names(*driver.Root().Entries()[1]->SubList), (Lines{"..", "from the table.bin"}));
  EXPECT_EQ(listings(), 0);

  Lines progress;
  devices.OnRead = [&] {
    progress.push_back(driver.Progress());
    if (progress.size() == 3) driver.Cancel();
  };
  driver.Scan("C:\\", settings);
  EXPECT_EQ(progress.back(), "Reading the file table of C:\\... 0%");
  EXPECT_EQ(Names(driver.Root()), Lines{"(C: free space)"});  // nothing walked
  EXPECT_EQ(listings(), 0);

  devices.OnRead = nullptr;
  settings.ReadFileTable = false;
  driver.Scan("C:\\", settings);
  EXPECT_EQ(listings(), 1);
}

TEST_F(Driver, AnExportThatCannotBeReadChangesNothingAndOneThatCanIsShownAndRereadByItsName) {
  driver.Scan("C:\\Data", settings);
  platform.Exports["bad.json"] = R"([1,2,{},[{"name":"/srv"},{"name":"..","asize":5}]])";
  platform.Exports["good.json"] = R"([1,2,{},[{"name":"/srv"},{"name":"a\\b","asize":5},{"name":"log","asize":7}]])";
  view.Told.clear();
  const std::optional<ExportError> error = driver.Load("bad.json");
  ASSERT_TRUE(error);
  EXPECT_FALSE(error->Cancelled);
  EXPECT_EQ(view.Told, (Lines{"begins", "ends"}));
  EXPECT_EQ(driver.Root().Path(), "C:\\Data\\");
  EXPECT_THROW(driver.Load("missing.json"), std::runtime_error);
  EXPECT_FALSE(driver.Scanning());

  EXPECT_FALSE(driver.Load("good.json"));
  EXPECT_EQ(driver.ExportShown(), "good.json");
  EXPECT_EQ(Names(driver.Root()), Lines{"log"});
  EXPECT_EQ(driver.LastReport()->LeftOut, 1u);
  driver.Scan("C:\\Data", settings);
  EXPECT_FALSE(driver.ExportShown());
}

TEST_F(Driver, TellsWhatChangedSinceTheLastCompleteScanOfTheSamePath) {
  EXPECT_FALSE(driver.DescribeLast(kUnitsBytes, {}));
  driver.Scan("C:\\Data", settings);
  fs.AddFile("C:\\Data\\Sub\\new.bin", 50000);
  platform.Clock.Hour = 10;
  driver.Scan("C:\\Data", settings);
  const std::optional<ReportTexts> texts = driver.DescribeLast(kUnitsBytes, {});
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->Summary[1], "Started: 08 Dec 2026 10:30:00");
  EXPECT_EQ(texts->ChangesSummary[0], "Previous scan: 08 Dec 2026 09:30:00");
  ASSERT_EQ(texts->Grown.size(), 1u);
  EXPECT_EQ(texts->Grown[0].Folder, "C:\\Data\\Sub\\");

  driver.Scan("C:\\Other", settings);  // another path: nothing to compare with
  EXPECT_TRUE(driver.DescribeLast(kUnitsBytes, {})->Grown.empty());
}

}  // namespace

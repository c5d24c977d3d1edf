#include <gtest/gtest.h>

#include <set>
#include <string>

#include "controls/BrowseRules.h"

namespace {

TEST(BrowseOptions, UrlsAndShareableBringTheNewInterfaceWithIt) {
  EXPECT_EQ(CompletedOptions({bfIncludeURLs}),
            (TBrowseFlags{bfIncludeFiles, bfEditBox, bfIncludeURLs, bfNewDialogStyle, bfUseNewUI}));
  EXPECT_EQ(CompletedOptions({bfShareable}), (TBrowseFlags{bfShareable, bfUseNewUI, bfEditBox, bfNewDialogStyle}));
  EXPECT_EQ(CompletedOptions({bfDirectoriesOnly, bfAncestors}), (TBrowseFlags{bfDirectoriesOnly, bfAncestors}));
}

TEST(BrowseOptions, ShellFlagsAddValidationAndStatusLineWhenNeeded) {
  const TBrowseFlags main{bfDirectoriesOnly, bfAncestors, bfIncludeFiles};
  EXPECT_EQ(ShellBrowseFlags(main, false, false), 0x4009u);
  EXPECT_EQ(ShellBrowseFlags(main, true, false), 0x400Du);
  EXPECT_EQ(ShellBrowseFlags({bfEditBox}, false, false), 0x30u);
  EXPECT_EQ(ShellBrowseFlags({bfComputers, bfPrinters, bfShareable, bfDomainOnly}, false, false), 0xB002u);
}

TEST(BrowseRoot, CommonFoldersAreTheUsersOnWindows9x) {
  EXPECT_EQ(RootFolderCode(TRootID::idDrives, false), 0x11);
  EXPECT_EQ(RootFolderCode(TRootID::idCommonPrograms, true), 0x17);
  EXPECT_EQ(RootFolderCode(TRootID::idCommonPrograms, false), 0x02);
  EXPECT_EQ(RootFolderCode(TRootID::idCommonDesktopDirectory, false), 0x10);
}

TEST(BrowseSelection, FolderTestUsesDriveMaskForRootsAndSearchesOtherwise) {
  std::set<std::string> searched;
  const auto directories = [&](const std::string& path) {
    searched.insert(path);
    return path == "C:\\Data";
  };
  const uint32_t drivesCandD = 0b1100;
  EXPECT_TRUE(IsExistingFolder("C:\\", drivesCandD, directories));
  EXPECT_TRUE(IsExistingFolder("d:\\", drivesCandD, directories));
  EXPECT_FALSE(IsExistingFolder("E:\\", drivesCandD, directories));
  EXPECT_FALSE(IsExistingFolder("1:\\", drivesCandD, directories));
  EXPECT_TRUE(searched.empty());
  EXPECT_TRUE(IsExistingFolder("C:\\Data\\", drivesCandD, directories));
  EXPECT_TRUE(IsExistingFolder("C:\\Data", drivesCandD, directories));
  EXPECT_FALSE(IsExistingFolder("C:\\Nowhere", drivesCandD, directories));
  EXPECT_FALSE(IsExistingFolder("", drivesCandD, directories));
  EXPECT_EQ(searched, (std::set<std::string>{"C:\\Data", "C:\\Nowhere"}));
}

// Existing folders are stored with a backslash and reach the browser without one.
TEST(BrowseSelection, ATrailingBackslashIsStoredButNotGivenToTheBrowser) {
  const auto isFolder = [](std::string_view text) { return text == "C:\\Work" || text == "C:"; };
  EXPECT_EQ(NormalisedSelection("C:\\Work", isFolder), "C:\\Work\\");
  EXPECT_EQ(NormalisedSelection("C:\\Work\\", isFolder), "C:\\Work\\");
  EXPECT_EQ(NormalisedSelection("C:\\Missing", isFolder), "C:\\Missing");
  EXPECT_EQ(SelectionForBrowser("C:"), "C:\\");
  EXPECT_EQ(SelectionForBrowser("C:\\"), "C:\\");
  EXPECT_EQ(SelectionForBrowser("C:\\Work\\"), "C:\\Work");
  EXPECT_EQ(SelectionForBrowser("C:\\Work"), "C:\\Work");
  EXPECT_EQ(SelectionForBrowser("\\"), "\\");
}

int Characters(std::string_view text) {
  int count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

TEST(BrowseStatusText, PathsLoseFoldersFromTheFrontThenTheDriveOtherTextsTheirEnd) {
  const std::string path = "C:\\Windows\\System32\\drivers\\etc";
  std::vector<std::string> rounds;
  for (const int available : {40, 30, 20, 12, 8, 5, 1}) rounds.push_back(FittedStatusText(path, true, available, Characters));
  EXPECT_EQ(rounds, (std::vector<std::string>{"C:\\Windows\\System32\\drivers\\etc", "C:\\...\\System32\\drivers\\etc",
                                              "C:\\...\\drivers\\etc", "C:\\...\\etc", "...\\etc", "etc", "etc"}));
  EXPECT_EQ(FittedStatusText("\\\\server\\share\\dir\\", true, 10, Characters), "\\...\\dir\\");
  EXPECT_EQ(FittedStatusText("\\\\server\\share\\dir\\", true, 5, Characters), "\\...\\");
  // Other texts lose characters from the end.
  EXPECT_EQ(FittedStatusText("abcdefghij", false, 8, Characters), "abcde...");
  EXPECT_EQ(FittedStatusText("abcdefghij", false, 10, Characters), "abcdefghij");
  EXPECT_EQ(FittedStatusText("\xCE\xA9\xCE\xA9\xCE\xA9\xCE\xA9\xCE\xA9", false, 4, Characters), "\xCE\xA9...");
  EXPECT_EQ(FittedStatusText("abc", false, 1, Characters), "...");
}

}  // namespace

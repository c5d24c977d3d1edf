#include <gtest/gtest.h>

#include "FakeFileSystem.h"
#include "app/EntryActions.h"

namespace {

TEST(EntryActions, OfferedOnlyForFilesAndFoldersOfAScannedTree) {
  FakeFileSystem fs;
  fs.AddFile("C:\\T\\Sub\\Deeper\\x.txt", 5000);
  fs.AddFile("C:\\T\\Sub\\y.txt", 100);
  fs.AddFile("C:\\T\\a.txt", 10);
  TFolderList root("C:\\T\\");
  bool cancel = false;
  root.Scan(cancel, 4096, false, {}, fs);
  root.AddFile("(C: free space)", -1e9, -1e9);
  const auto entry = [](const TFolderList& level, std::string_view name) -> const TFolderData& {
    for (const TFolderData* e : level.Entries())
      if (e->Name() == name) return *e;
    throw std::runtime_error("no entry");
  };
  const TFolderData& sub = entry(root, "\\Sub");
  const EntryActions all{EntryAction::Open, EntryAction::ShowInExplorer, EntryAction::CopyPath, EntryAction::Recycle};
  EXPECT_EQ(OfferedActions(entry(root, "a.txt"), {}), all);
  EXPECT_EQ(OfferedActions(sub, {}), all);
  EXPECT_EQ(OfferedActions(entry(*sub.SubList, ".."), {}), EntryActions{});
  EXPECT_EQ(OfferedActions(entry(root, "(C: free space)"), {}), EntryActions{});
  EXPECT_EQ(OfferedActions(sub, {.Scanning = true}), EntryActions{});
  EXPECT_EQ(OfferedActions(sub, {.FromExport = true}), EntryActions{EntryAction::CopyPath});

  EXPECT_EQ(EntryPath(sub), "C:\\T\\Sub");
  EXPECT_EQ(EntryPath(entry(*sub.SubList, "y.txt")), "C:\\T\\Sub\\y.txt");
  const FormatSettings locale;
  EXPECT_EQ(RecycleQuestion(sub, 1, 1, locale), "Move C:\\T\\Sub (12.0 KB, 2 files and 1 folder) to the Recycle Bin?");
  EXPECT_EQ(RecycleQuestion(entry(root, "a.txt"), 0, 0, locale), "Move C:\\T\\a.txt (10 bytes) to the Recycle Bin?");
}

}  // namespace

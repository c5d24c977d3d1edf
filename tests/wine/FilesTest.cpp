#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "win32/Files.h"
#include "win32/Handles.h"
#include "win32/ReplacingFile.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

// The names of what a folder holds.
std::vector<std::wstring> NamesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileW((folder + L"*").c_str(), &found));
  if (search) {
    do {
      const std::wstring name = found.cFileName;
      if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search.Get(), &found));
  }
  return names;
}

TEST(ReplacingFile, ReplacesTheTargetOnlyOnCommitAlsoBeyondMaxPath) {
  TempFolder temp;
  const std::wstring folder = temp.Path() + std::wstring(200, L'f') + L"\\";
  const std::wstring name(100, L't');
  ASSERT_TRUE(temp.MakeFolder(std::wstring(200, L'f')));
  ReplacingFile first(WideToUtf8(folder + name));
  EXPECT_TRUE(first.Write("old"));
  EXPECT_TRUE(first.Commit()) << first.Failure();
  ReplacingFile second(WideToUtf8(folder + name));
  EXPECT_TRUE(second.Write("new "));
  EXPECT_TRUE(second.Write("content"));
  EXPECT_EQ(FileContent(Extended(folder + name)), "old");
  EXPECT_TRUE(second.Commit()) << second.Failure();
  EXPECT_EQ(FileContent(Extended(folder + name)), "new content");
  EXPECT_EQ(NamesIn(Extended(folder)), std::vector{name});
}

TEST(ReplacingFile, ReplacesTheTargetWholeOrLeavesItAndNothingElse) {
  TempFolder temp;
  const std::string target = temp.PathUtf8() + "tree.csv";
  ReplaceFileContent(target, "a longer first content");
  ReplaceFileContent(target, "kept");
  EXPECT_TRUE(FileExists(target));
  EXPECT_FALSE(FileExists(temp.PathUtf8()));  // a folder is no file
  {
    ReplacingFile uncommitted(target);
    EXPECT_TRUE(uncommitted.Write("lost"));
  }
  SetFileAttributesW(Utf8ToWide(target).c_str(), FILE_ATTRIBUTE_READONLY);
  {
    ReplacingFile refused(target);
    EXPECT_TRUE(refused.Write("lost"));
    EXPECT_FALSE(refused.Commit());
    EXPECT_EQ(refused.Failure().rfind("Cannot save " + target + ": ", 0), 0u) << refused.Failure();
  }
  EXPECT_EQ(FileContent(Utf8ToWide(target)), "kept");
  EXPECT_EQ(NamesIn(temp.Path()), std::vector<std::wstring>{L"tree.csv"});

  ReplacingFile nowhere(temp.PathUtf8() + "no-such-folder\\tree.csv");
  EXPECT_FALSE(nowhere.Write("x"));
  EXPECT_FALSE(nowhere.Commit());
  EXPECT_NE(nowhere.Failure(), "");
}

TEST(Utf8ToAnsi, KeepsWhatTheCodePageHasAndMarksTheRest) {
  EXPECT_EQ(Utf8ToAnsi("caf\xC3\xA9 \\windows"), "caf\xE9 \\windows");  // code page 1252
  EXPECT_EQ(Utf8ToAnsi("\xE6\x97\xA5"), "?");
}

TEST(ExtendedLengthPath, MakesAbsoluteExtendedPaths) {
  EXPECT_EQ(ExtendedLengthPath(L"C:\\Data\\"), L"\\\\?\\C:\\Data\\");
  EXPECT_EQ(ExtendedLengthPath(L"C:\\Data\\..\\Other\\"), L"\\\\?\\C:\\Other\\");
  EXPECT_EQ(ExtendedLengthPath(L"\\\\server\\share\\dir\\"), L"\\\\?\\UNC\\server\\share\\dir\\");
  EXPECT_EQ(ExtendedLengthPath(L"\\\\?\\C:\\x\\"), L"\\\\?\\C:\\x\\");
}

}  // namespace

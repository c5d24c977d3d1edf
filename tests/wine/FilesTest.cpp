#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "TempFolder.h"
#include "win32/Files.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

std::string ErrorOf(const std::string& path, const std::string& bytes) {
  try {
    ReplaceFileContent(path, bytes);
  } catch (const std::runtime_error& error) {
    return error.what();
  }
  return {};
}

TEST(ReplaceFileContent, ReplacesTheWholeFile) {
  TempFolder temp;
  const std::wstring path = temp.Path() + L"listing.txt";
  ReplaceFileContent(WideToUtf8(path), "a longer first content\r\n");
  ReplaceFileContent(WideToUtf8(path), "short\r\n");
  EXPECT_EQ(FileContent(path), "short\r\n");
  EXPECT_TRUE(FileExists(WideToUtf8(path)));
  EXPECT_FALSE(FileExists(temp.PathUtf8()));  // a folder is no file
  EXPECT_EQ(GetFileAttributesW((path + L".velmora-new").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ReplaceFileContent, NamesTheFileAndTheCauseAndLeavesTheOldFileAlone) {
  TempFolder temp;
  const std::string missingFolder = temp.PathUtf8() + "no-such-folder\\listing.txt";
  const std::string error = ErrorOf(missingFolder, "x");
  EXPECT_EQ(error.rfind("Cannot save " + missingFolder + ": ", 0), 0u) << error;
  EXPECT_GT(error.size(), ("Cannot save " + missingFolder + ": ").size());

  const std::wstring locked = temp.Path() + L"locked.txt";
  ReplaceFileContent(WideToUtf8(locked), "keep me\r\n");
  SetFileAttributesW(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_NE(ErrorOf(WideToUtf8(locked), "lost\r\n"), "");
  EXPECT_EQ(FileContent(locked), "keep me\r\n");
  EXPECT_EQ(GetFileAttributesW((locked + L".velmora-new").c_str()), INVALID_FILE_ATTRIBUTES);
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

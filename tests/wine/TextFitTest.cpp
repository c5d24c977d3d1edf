// Every text of the program's windows fits where it is drawn, in the fonts this machine
// has and at the screen's resolution: ctest runs these at 96, 120 and 144 dots per
// inch, each in a Wine prefix of its own (VELMORA_DPI names the one expected).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "FakeFileFacts.h"
#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "FakeVolumeApi.h"
#include "FakeVolumeDevices.h"
#include "MemoryRegistry.h"
#include "TextFit.h"
#include "WindowQueries.h"
#include "app/UsageView.h"
#include "app/win32/FileTypesDialog.h"
#include "app/win32/FormMain.h"
#include "app/win32/LargestFilesDialog.h"
#include "app/win32/ScanReportDialog.h"
#include "dialogs/win32/AboutBoxOrv1.h"
#include "dialogs/win32/FileProp.h"
#include "dialogs/win32/Win32FileFacts.h"
#include "dialogs/win32/Win32VersionSource.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Screen.h"
#include "settings/win32/OptnDlg.h"
#include "win32/WideText.h"

#include <commctrl.h>

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += "\n  " + line;
  return text;
}

// Velmora.exe's version resource, for the about box to show.
struct ProgramVersionSource : Win32VersionSource {
  std::string ExecutablePath() override {
    wchar_t path[MAX_PATH];
    const std::wstring self(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    const std::wstring tests = self.substr(0, self.rfind(L'\\'));
    return WideToUtf8(tests.substr(0, tests.rfind(L'\\')) + L"\\Velmora.exe");
  }
};

class TextsFit : public ::testing::Test {
 protected:
  TextsFit() {
    if (const char* dpi = std::getenv("VELMORA_DPI")) {
      EXPECT_EQ(ScreenScale().PixelsPerInch(), std::atoi(dpi));
    }
    volume.Drives["C:\\"] = {{8, 512, 262144, 1000000}, VolumeApi::FreeSpaceEx{0, 0, 1u << 30}, 0x10};
    fs.AddFile("C:\\Data\\readme.txt", 100);
  }
  // Shows a window as the program does (each showing fills its texts), then checks it.
  void ExpectFits(TForm& form) {
    form.Show();
    Application().ProcessMessages();
    EXPECT_TRUE(TextsThatDoNotFit(form.Handle()).empty())
        << WideToUtf8(WindowText(form.Handle())) << ":" << Joined(TextsThatDoNotFit(form.Handle()));
    form.Hide();
  }

  FakeFileSystem fs;
  FakeVolumeApi volume;
  MemoryRegistry registry;
  ProgramVersionSource versions;
  Win32FileFacts files;
  FakeVolumeDevices devices;
  FakePlatform platform{{.Scan = fs, .Volumes = volume, .Keys = registry, .Versions = versions, .Files = files,
                         .Devices = devices}};
  TFinalForm<TMainForm> main{platform, "C:\\Data"};
};

TEST_F(TextsFit, InTheMainWindowAfterAScanAndWithTheStatusOfTerabytesAndMillionsOfFiles) {
  main.Show();
  ASSERT_TRUE(WaitFor([&] { return !main.Scanning() && main.Caption().rfind("Velmora - ", 0) == 0; }, 5000,
                      [] { Application().ProcessMessages(); }));
  ExpectFits(main);
  const HWND bar = FindWindowExW(main.Handle(), nullptr, STATUSCLASSNAMEW, nullptr);
  const FormatSettings locale;
  const std::string texts[] = {SizeText(12345678901234.0, kUnitsBytes, locale), FilesText(1234567, locale),
                               FoldersText(123456, locale)};
  for (int panel = 0; panel < 3; ++panel)
    SendMessageW(bar, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(Utf8ToWide(texts[panel]).c_str()));
  EXPECT_TRUE(TextsThatDoNotFit(main.Handle()).empty()) << Joined(TextsThatDoNotFit(main.Handle()));
}

TEST_F(TextsFit, OnEveryPageOfTheOptionsDialog) {
  TFinalForm<TOptionsDialog> options(main);
  ExpectFits(options);
}

TEST_F(TextsFit, OnBothPagesOfTheFilePropertiesOfAFileWithVersionData) {
  TFinalForm<TfrmFileProperties1> properties(main, files);
  properties.FileName = "C:\\windows\\system32\\kernel32.dll";
  ExpectFits(properties);
}

TEST_F(TextsFit, InTheFilePropertiesOfAnOnlineOnlyFile) {
  FakeFileFacts cloud;
  cloud.Files["C:\\OneDrive\\Budget 2027.xlsx"] = {.Name = "Budget 2027.xlsx", .Attributes = 0x400020};
  TFinalForm<TfrmFileProperties1> properties(main, cloud);
  properties.FileName = "C:\\OneDrive\\Budget 2027.xlsx";
  ExpectFits(properties);
  const HWND note = FindChild(properties.Handle(), L"Static", L"Online-only file: its data is not on this disk.");
  EXPECT_TRUE(GetWindowLongW(note, GWL_STYLE) & WS_VISIBLE);
}

TEST_F(TextsFit, InTheAboutBoxOfTheProgram) {
  TFinalForm<TAboutBoxOrv1> about(main, versions);
  ExpectFits(about);
}

TEST_F(TextsFit, InTheScanReportOfAWholeDrive) {
  ScanReport report{.Path = "C:\\", .Files = 123456, .Folders = 7890, .Allocated = 3e10,
                    .Volume = VolumeSpace{.TotalBytes = 1e11, .FreeBytes = 4e10}};
  report.Notes.Unreadable.Add("C:\\System Volume Information\\", static_cast<uint32_t>(ListingOutcome::AccessDenied));
  report.Notes.NotEntered.Add("C:\\Documents and Settings\\", 0xA0000003);
  TFinalForm<TScanReportDialog> dialog(main);
  dialog.Texts = DescribeScan(report, std::nullopt, 0, FormatSettings{}, volume);
  ExpectFits(dialog);
}

TEST_F(TextsFit, InTheLargestFilesAndFileTypesOfAScannedTree) {
  main.Show();
  ASSERT_TRUE(WaitFor([&] { return !main.Scanning(); }, 5000, [] { Application().ProcessMessages(); }));
  struct : EntryActionTarget {
    EntryActions Offered(const TFolderData&) const override { return {}; }
    bool Act(EntryAction, const TFolderData&) override { return false; }
  } nothing;
  TFinalForm<TLargestFilesDialog> largest(main, nothing);
  largest.Root = &main.RootLevel();
  ExpectFits(largest);
  TFinalForm<TFileTypesDialog> types(main, nothing);
  types.Root = &main.RootLevel();
  ExpectFits(types);
}

}  // namespace

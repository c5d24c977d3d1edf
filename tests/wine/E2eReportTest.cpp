// The scan report of the running program: what could not be listed or was not
// entered, saved to a file, and what changed since the scan before. A folder the
// program cannot list needs a user without root's overriding of permissions:
// tests/scripts/e2e-report-test.sh runs these so.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

#include <commctrl.h>

namespace {

class ScanReport : public TreeTest {
 protected:
  ScanReport() {
    StoreInteger(L"Display units", 0);  // bytes
    temp.MakeFile(L"grows\\old.bin", 4096);
    temp.MakeFile(L"shrinks\\goes.bin", 8192);
    temp.MakeFile(L"shrinks\\stays.bin", 4096);
    temp.MakeFile(L"same\\same.bin", 4096);
    temp.MakeFile(L"locked\\hidden.bin", 4096);
    locked_ = temp.RunUnixScript("chmod 000 locked");
    linked_ = temp.MakeUnixSymlink(L"link", "grows");
  }
  ~ScanReport() override { temp.RunUnixScript("chmod 755 locked"); }

  // Opens the report from the View menu, on the page given.
  HWND OpenReport(const Velmora& velmora, int page) const {
    HWND dialog = velmora.OpenFromMenu(L'v', L'p', L"Scan Report");
    if (dialog && page > 0) velmora.ClickTab(FindChild(dialog, L"SysTabControl32"), page);
    return dialog;
  }
  // The report's lists in the order they show: what could not be listed, what was not
  // entered, what grew, what shrank.
  static std::vector<HWND> Lists(HWND dialog) {
    std::vector<HWND> lists;
    EnumChildWindows(dialog, AddList, reinterpret_cast<LPARAM>(&lists));
    return lists;
  }
  static BOOL CALLBACK AddList(HWND child, LPARAM lists) {
    if (ClassName(child) == L"ListBox") reinterpret_cast<std::vector<HWND>*>(lists)->push_back(child);
    return TRUE;
  }

  bool locked_ = false;
  bool linked_ = false;
};

TEST_F(ScanReport, TellsWhatWasNotCountedAndWhatChangedSinceTheScanBefore) {
  ASSERT_TRUE(locked_ && linked_);
  WIN32_FIND_DATAW found;
  const FindHandle look(FindFirstFileW((temp.Path() + L"locked\\*").c_str(), &found));
  ASSERT_FALSE(look) << "this user lists every folder: tests/scripts/e2e-report-test.sh runs this as one who does not";
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  const std::string root = temp.PathUtf8();

  HWND dialog = OpenReport(velmora, 0);
  ASSERT_NE(dialog, nullptr);
  ASSERT_EQ(Lists(dialog).size(), 4u);
  EXPECT_EQ(ListBoxLines(Lists(dialog)[0]), std::vector<std::string>{root + "locked\\   (access denied)"});
  EXPECT_EQ(ListBoxLines(Lists(dialog)[1]), std::vector<std::string>{root + "link\\   (other link)"});
  const std::wstring saved = temp.Path() + L"report.txt";
  PostMessageW(FindChild(dialog, L"Button", L"&Save..."), BM_CLICK, 0, 0);
  ASSERT_TRUE(velmora.SaveAs(velmora.WaitForWindow(L"Save scan report"), saved));
  ASSERT_TRUE(WaitFor([&] { return !FileContent(saved).empty(); }));
  const std::string text = FileContent(saved);
  EXPECT_NE(text.find("\r\nFolders that could not be listed: 1\r\n" + root + "locked\\   (access denied)\r\n"),
            std::string::npos) << text;
  EXPECT_NE(text.find("\r\nLinks not followed: 1\r\n" + root + "link\\   (other link)\r\n"), std::string::npos);
  velmora.PressKey(dialog, VK_ESCAPE);
  ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(dialog); }));

  temp.MakeFile(L"grows\\new.bin", 4096);
  temp.MakeFile(L"grows\\newer.bin", 4096);
  ASSERT_TRUE(DeleteFileW((temp.Path() + L"shrinks\\goes.bin").c_str()));
  DeleteFileW(saved.c_str());
  velmora.PressKey(velmora.Window(), VK_F5);
  ASSERT_TRUE(WaitFor([&] { return !velmora.Scanning() && velmora.Panel(1) == "Files: 5"; }));
  dialog = OpenReport(velmora, 1);
  ASSERT_NE(dialog, nullptr);
  const std::vector<std::string> grown = ListBoxLines(Lists(dialog)[2]);
  EXPECT_EQ(grown, std::vector<std::string>{"+8,192 bytes   " + root + "grows\\   (4,096 bytes \xE2\x86\x92 12,288 bytes)"});
  EXPECT_EQ(ListBoxLines(Lists(dialog)[3]),
            std::vector<std::string>{"-8,192 bytes   " + root + "shrinks\\   (12,288 bytes \xE2\x86\x92 4,096 bytes)"});
  ASSERT_EQ(grown.size(), 1u);
  velmora.DoubleClickLine(grown[0], Lists(dialog)[2]);
  EXPECT_TRUE(WaitFor([&] { return velmora.Caption() == L"Velmora - " + temp.Path() + L"grows\\"; }));
  EXPECT_FALSE(IsWindowVisible(dialog));
  CloseCleanly(velmora);
}

}  // namespace

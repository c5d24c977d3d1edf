// What Velmora keeps from one run to the next, and what it writes: settings, window
// placement, the Explorer verb, saved listings. The real program, in the test prefix's
// real registry.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/WideText.h"

namespace {

// The shell keys every Windows has; a new Wine prefix lacks them.
void MakeShellKeys() {
  for (const wchar_t* shell : {L"Directory\\shell", L"Drive\\shell"}) {
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, shell, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegCloseKey(key);
  }
}

RECT BoundsOf(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return bounds;
}

TEST_F(SmallTree, TheWindowReopensWhereItWasLeftAndARenamedCopyKeepsItsOwnPlacement) {
  {
    const Velmora velmora(Root());
    ASSERT_TRUE(velmora.WaitUntilShown());
    SetWindowPos(velmora.Window(), nullptr, 40, 30, 700, 520, SWP_NOZORDER | SWP_NOACTIVATE);
    velmora.PressKey(velmora.UnitsSelector(), VK_DOWN);
    ASSERT_TRUE(WaitFor([&] { return velmora.SelectedUnits() == 2; }));
    CloseCleanly(velmora);
  }
  const std::wstring copy = temp.Path() + L"Velmora2.exe";
  ASSERT_TRUE(CopyFileW(ProgramPath().c_str(), copy.c_str(), FALSE));
  MakeShellKeys();
  {
    const Velmora renamed(Root(), copy);
    ASSERT_TRUE(renamed.WaitUntilShown());
    EXPECT_EQ(BoundsOf(renamed.Window()).left, 193);  // a fresh placement
    EXPECT_EQ(renamed.SelectedUnits(), 2);           // the same settings
    // The verb starts the program that ran last.
    EXPECT_EQ(StoredText(HKEY_CLASSES_ROOT, L"Drive\\shell\\UsagePieChart\\command"), L"\"" + copy + L"\" \"%1\"");
    CloseCleanly(renamed);
  }
  EXPECT_EQ(StoredInteger(L"FormLeft", L"Software\\Quillfen\\Velmora2"), 193u);
  EXPECT_EQ(StoredInteger(L"FormWidth"), 700u);
  EXPECT_EQ(StoredInteger(L"FormState"), 0u);
  const Velmora again(Root());
  const RECT bounds = BoundsOf(again.Window());
  EXPECT_EQ(bounds.left, 40);
  EXPECT_EQ(bounds.top, 30);
  EXPECT_EQ(bounds.right - bounds.left, 700);
  EXPECT_EQ(bounds.bottom - bounds.top, 520);
}

class SavedListing : public SmallTree {
 protected:
  void SaveAs(const Velmora& velmora, const std::wstring& path) { ASSERT_TRUE(velmora.SaveListingAs(path)); }
  // Answers the overwrite question, checking it asks as it should.
  void Answer(const Velmora& velmora, const std::wstring& path, const wchar_t* button) {
    HWND question = velmora.WaitForWindow(L"Velmora - overwrite existing usage file?");
    ASSERT_NE(question, nullptr);
    EXPECT_NE(velmora.Child(L"Static", L"File " + path + L" already exists.  Do you want to overwrite the existing file?",
                            question),
              nullptr);
    PostMessageW(velmora.Child(L"Button", button, question), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(question); }));
  }
};

TEST_F(SavedListing, WritesTheListLinesAndAsksBeforeReplacingAFile) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  const std::wstring path = temp.Path() + L"listing.txt";
  SaveAs(velmora, path);
  const std::string inKB = "148.0   big.iso\r\n88.0   \\music\r\n40.0   \\docs\r\n4.0   readme.txt\r\n";
  ASSERT_TRUE(WaitFor([&] { return FileContent(path) == inKB; }, 20000)) << FileContent(path);

  velmora.PressKey(velmora.UnitsSelector(), VK_DOWN);  // MB
  ASSERT_TRUE(WaitFor([&] { return velmora.SelectedUnits() == 2; }));
  SaveAs(velmora, path);
  Answer(velmora, path, L"&No");
  ASSERT_TRUE(velmora.WaitUntilIdle());  // the save has come to its end
  EXPECT_EQ(FileContent(path), inKB);

  SaveAs(velmora, path);
  Answer(velmora, path, L"&Yes");
  EXPECT_TRUE(WaitFor([&] {
    return FileContent(path) == "0.14   big.iso\r\n0.09   \\music\r\n0.04   \\docs\r\n0.00   readme.txt\r\n";
  }, 20000)) << FileContent(path);
}

}  // namespace

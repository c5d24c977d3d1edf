// Velmora as a user meets it: the real program started on real folders, driven from
// outside its process with window messages, and read back from its windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "Screenshot.h"
#include "TempFolder.h"
#include "win32/Handles.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

#include <commctrl.h>


namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.rfind(L'\\'));                    // ...\tests
  return folder.substr(0, folder.rfind(L'\\')) + L"\\Velmora.exe";
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds = 20000) {
  for (int waited = 0; waited < milliseconds; waited += 10) {
    if (condition()) return true;
    Sleep(10);
  }
  return condition();
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024];
  return std::wstring(text, GetWindowTextW(window, text, 1024));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256];
  return std::wstring(name, GetClassNameW(window, name, 256));
}

// A running Velmora and its windows.
class Velmora {
 public:
  explicit Velmora(const std::wstring& argument) {
    std::wstring command = L"\"" + ProgramPath() + L"\" \"" + argument + L"\"";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(ProgramPath().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
      throw std::runtime_error("cannot start Velmora");
    process_.Reset(process.hProcess);
    CloseHandle(process.hThread);
    processId_ = process.dwProcessId;
    WaitFor([this] { return (window_ = FindMainWindow()) != nullptr; });
    if (!window_) throw std::runtime_error("Velmora shows no window");
    list_ = Child(L"ListBox", L"");
    statusBar_ = Child(L"msctls_statusbar32", L"");
    cancel_ = Child(L"Button", L"Cancel");
    up_ = Child(L"Button", L"&Up");
  }
  ~Velmora() {
    if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.Get(), 1);
  }

  HWND Window() const { return window_; }
  std::wstring Caption() const { return WindowText(window_); }
  bool Scanning() const { return IsWindowEnabled(cancel_); }
  bool UpEnabled() const { return IsWindowEnabled(up_); }
  // Waits until a scan has run and the window shows a level.
  bool WaitUntilShown() const {
    return WaitFor([this] { return !Scanning() && Caption().rfind(L"Velmora - ", 0) == 0; });
  }

  std::vector<std::string> ListLines() const {
    std::vector<std::string> lines;
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      wchar_t text[1024] = {};
      if (SendMessageW(list_, LB_GETTEXTLEN, i, 0) < 1024) SendMessageW(list_, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
      lines.push_back(WideToUtf8(text));
    }
    return lines;
  }

  // The status bar keeps its texts in its own process: ask it to copy one there, then read it.
  std::string Panel(int index) const {
    const RemoteMemory memory(process_.Get(), 2048);
    SendMessageW(statusBar_, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(memory.Address()));
    wchar_t text[1024] = {};
    memory.Read(0, text, sizeof text - sizeof(wchar_t));
    return WideToUtf8(text);
  }

  void DoubleClickLine(const std::string& line) const {
    const std::vector<std::string> lines = ListLines();
    const auto found = std::find(lines.begin(), lines.end(), line);
    ASSERT_NE(found, lines.end()) << line;
    const int height = static_cast<int>(SendMessageW(list_, LB_GETITEMHEIGHT, 0, 0));
    const int top = static_cast<int>(SendMessageW(list_, LB_GETTOPINDEX, 0, 0));
    const LPARAM at = MAKELPARAM(10, (static_cast<int>(found - lines.begin()) - top) * height + height / 2);
    SendMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list_, WM_LBUTTONUP, 0, at);
    SendMessageW(list_, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list_, WM_LBUTTONUP, 0, at);
  }
  void ClickUp() const { SendMessageW(up_, BM_CLICK, 0, 0); }
  // A key as the keyboard would bring it to a window of the program.
  void PressKey(HWND target, WPARAM key) const {
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
  }
  HWND UnitsSelector() const { return Child(L"ComboBox", L""); }
  // Clicks the tool bar's Open button, as the mouse would (the click returns at once).
  void ClickOpen() const { PostMessageW(Child(L"Button", L""), BM_CLICK, 0, 0); }
  // A top-level window of the program with that caption, once it shows.
  HWND WaitForWindow(const std::wstring& caption) const {
    HWND found = nullptr;
    WaitFor([&] {
      MainWindowSearch search{processId_, nullptr, caption};
      EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
      return (found = search.Found) != nullptr;
    });
    return found;
  }
  // A block of memory in the program's process, for messages that carry pointers.
  class RemoteMemory {
   public:
    RemoteMemory(HANDLE process, SIZE_T size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
    ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    char* Address() const { return static_cast<char*>(address_); }
    void Write(SIZE_T offset, const void* data, SIZE_T size) const {
      WriteProcessMemory(process_, Address() + offset, data, size, nullptr);
    }
    void Read(SIZE_T offset, void* data, SIZE_T size) const {
      ReadProcessMemory(process_, Address() + offset, data, size, nullptr);
    }

   private:
    HANDLE process_;
    void* address_;
  };
  // The text of an item of a tree view in the program.
  std::wstring TreeItemText(HWND tree, HTREEITEM item) const {
    const RemoteMemory memory(process_.Get(), 4096);
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = reinterpret_cast<LPWSTR>(memory.Address() + 1024);
    request.cchTextMax = 1000;
    memory.Write(0, &request, sizeof request);
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.Address()));
    wchar_t text[1000] = {};
    memory.Read(1024, text, sizeof text - sizeof(wchar_t));
    return text;
  }
  bool WaitForExit(DWORD& exitCode) const {
    if (WaitForSingleObject(process_.Get(), 20000) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_.Get(), &exitCode) != FALSE;
  }

 private:
  struct MainWindowSearch {
    DWORD ProcessId;
    HWND Found;
    std::wstring Caption;  // empty: the main window
  };
  static BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
    auto& search = *reinterpret_cast<MainWindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search.ProcessId || !IsWindowVisible(window)) return TRUE;
    if (search.Caption.empty() ? ClassOf(window) != L"VelmoraForm" : WindowText(window) != search.Caption) return TRUE;
    search.Found = window;
    return FALSE;
  }
  HWND FindMainWindow() const {
    MainWindowSearch search{processId_, nullptr, L""};
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
  }
  struct ChildSearch {
    const std::wstring& ClassName;
    const std::wstring& Text;
    HWND Found;
  };
  static BOOL CALLBACK MatchChild(HWND child, LPARAM data) {
    auto& search = *reinterpret_cast<ChildSearch*>(data);
    if (_wcsicmp(ClassOf(child).c_str(), search.ClassName.c_str()) != 0) return TRUE;
    if (!search.Text.empty() && WindowText(child) != search.Text) return TRUE;
    search.Found = child;
    return FALSE;
  }

 public:
  // The first child of a window (the main one when none is given) of a class, and
  // caption when one is given, in creation order.
  HWND Child(const std::wstring& className, const std::wstring& text, HWND parent = nullptr) const {
    ChildSearch search{className, text, nullptr};
    EnumChildWindows(parent ? parent : window_, MatchChild, reinterpret_cast<LPARAM>(&search));
    return search.Found;
  }

 private:

  FileHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  HWND statusBar_ = nullptr;
  HWND cancel_ = nullptr;
  HWND up_ = nullptr;
};

// A small tree of known sizes: 4096-byte clusters make the KB figures.
class SmallTree : public ::testing::Test {
 protected:
  SmallTree() {
    temp.MakeFile(L"big.iso", 150000);        // 37 clusters: 148.0 KB
    temp.MakeFile(L"Music\\song.mp3", 90000);  // 22 clusters: 88.0 KB
    temp.MakeFile(L"Docs\\report.doc", 30000);  // 8 clusters
    temp.MakeFile(L"Docs\\Sub\\notes.txt", 5000);
    temp.MakeFile(L"ReadMe.TXT", 100);
  }
  std::wstring Root() const { return temp.Path().substr(0, temp.Path().size() - 1); }
  std::string Caption(const std::wstring& below = L"") const {
    return "Velmora - " + WideToUtf8(temp.Path() + below);
  }
  TempFolder temp;
};

TEST_F(SmallTree, ScansTheFolderGivenAndShowsItsLevel) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  EXPECT_EQ(WideToUtf8(velmora.Caption()), Caption());
  EXPECT_EQ(velmora.ListLines(),
            (std::vector<std::string>{"148.0   big.iso", "88.0   \\music", "40.0   \\docs", "4.0   readme.txt"}));
  EXPECT_EQ(velmora.Panel(0), "280.0 KB");
  EXPECT_EQ(velmora.Panel(1), "Files: 5");
  EXPECT_EQ(velmora.Panel(2), "Folders: 3");
  EXPECT_EQ(velmora.Panel(3), WideToUtf8(temp.Path()) + "....");
  EXPECT_FALSE(velmora.UpEnabled());
  EXPECT_FALSE(velmora.Scanning());
  EXPECT_TRUE(SaveClientScreenshot(velmora.Window(), L"main-window.bmp"));
}

TEST_F(SmallTree, DrillsDownGoesBackAndChangesUnits) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  velmora.DoubleClickLine("40.0   \\docs");
  EXPECT_TRUE(WaitFor([&] { return WideToUtf8(velmora.Caption()) == Caption(L"Docs\\"); }));
  EXPECT_EQ(velmora.ListLines(), (std::vector<std::string>{"32.0   report.doc", "8.0   \\sub", "0.0   .."}));
  EXPECT_TRUE(velmora.UpEnabled());
  velmora.DoubleClickLine("8.0   \\sub");
  EXPECT_TRUE(WaitFor([&] { return WideToUtf8(velmora.Caption()) == Caption(L"Docs\\Sub\\"); }));
  velmora.ClickUp();
  EXPECT_TRUE(WaitFor([&] { return WideToUtf8(velmora.Caption()) == Caption(L"Docs\\"); }));
  velmora.DoubleClickLine("0.0   ..");
  EXPECT_TRUE(WaitFor([&] { return WideToUtf8(velmora.Caption()) == Caption(); }));
  EXPECT_FALSE(velmora.UpEnabled());

  velmora.PressKey(velmora.UnitsSelector(), VK_DOWN);  // KB -> MB
  EXPECT_TRUE(WaitFor([&] { return velmora.Panel(0) == "0.27 MB"; }));
  EXPECT_EQ(velmora.ListLines().front(), "0.14   big.iso");
}

// The count of a "Folders: 1,234" panel; 0 when it shows none.
int FolderCount(const std::string& panel) {
  int count = 0;
  for (const char c : panel)
    if (c >= '0' && c <= '9') count = count * 10 + (c - '0');
  return count;
}

TEST_F(SmallTree, OpenPicksAnotherFolderInTheShellsBrowser) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  velmora.ClickOpen();
  HWND dialog = velmora.WaitForWindow(L"Velmora - select tree");
  ASSERT_NE(dialog, nullptr);
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - (bounds.right - bounds.left)) / 2);
  EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - (bounds.bottom - bounds.top)) / 2);

  // The folder scanned is preselected; choose its sub-folder Docs instead.
  HWND tree = velmora.Child(L"SysTreeView32", L"", dialog);
  ASSERT_NE(tree, nullptr);
  const auto selected = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
  ASSERT_NE(selected, nullptr);
  const std::wstring root = Root();
  EXPECT_EQ(velmora.TreeItemText(tree, selected), root.substr(root.rfind(L'\\') + 1));
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(selected));
  auto child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(selected)));
  while (child && velmora.TreeItemText(tree, child) != L"Docs")
    child = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
  ASSERT_NE(child, nullptr);
  SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(child));
  PostMessageW(velmora.Child(L"Button", L"OK", dialog), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return WideToUtf8(velmora.Caption()) == Caption(L"Docs\\") && !velmora.Scanning(); }));
  EXPECT_EQ(velmora.ListLines(), (std::vector<std::string>{"32.0   report.doc", "8.0   \\sub"}));

  // Cancelling scans nothing.
  velmora.ClickOpen();
  dialog = velmora.WaitForWindow(L"Velmora - select tree");
  ASSERT_NE(dialog, nullptr);
  PostMessageW(velmora.Child(L"Button", L"Cancel", dialog), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(WideToUtf8(velmora.Caption()), Caption(L"Docs\\"));
}

// A tree of 3,600 folders, enough to catch a scan in progress.
class BigTree : public ::testing::Test {
 protected:
  BigTree() {
    if (!temp.RunUnixScript("for a in $(seq 60); do for b in $(seq 60); do mkdir -p d$a/e$b; done; "
                            "echo x > d$a/f; done"))
      throw std::runtime_error("cannot make the tree");
  }
  std::wstring Root() const { return temp.Path().substr(0, temp.Path().size() - 1); }
  TempFolder temp;
};

TEST_F(BigTree, RefreshDuringAScanIsDroppedAndCancelShowsAPartialTree) {
  const Velmora velmora(Root());
  // Well into the scan: the progress shows folders found.
  ASSERT_TRUE(WaitFor([&] { return velmora.Scanning() && FolderCount(velmora.Panel(2)) > 0; }));
  velmora.PressKey(velmora.Window(), VK_F5);
  velmora.PressKey(velmora.Window(), VK_ESCAPE);  // the Cancel button
  ASSERT_TRUE(velmora.WaitUntilShown());
  const std::string files = velmora.Panel(1);
  EXPECT_NE(files, "Files: 60");
  EXPECT_FALSE(velmora.ListLines().empty());
  Sleep(1500);  // a queued refresh would have started by now
  EXPECT_FALSE(velmora.Scanning());
  EXPECT_EQ(velmora.Panel(1), files);
}

TEST_F(BigTree, ClosingDuringAScanEndsTheProgramCleanly) {
  const Velmora velmora(Root());
  ASSERT_TRUE(WaitFor([&] { return velmora.Scanning(); }));
  PostMessageW(velmora.Window(), WM_CLOSE, 0, 0);
  DWORD exitCode = 1;
  ASSERT_TRUE(velmora.WaitForExit(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace

#include "VelmoraDriver.h"

#include <algorithm>
#include <cwctype>
#include <cmath>
#include <stdexcept>

#include <gtest/gtest.h>

#include "app/MainLayout.h"
#include "win32/WideText.h"

namespace {

struct WindowSearch {
  DWORD ProcessId;
  std::wstring ClassName;
  std::wstring Caption;  // empty: any
  HWND Found;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search.ProcessId || !IsWindowVisible(window)) return TRUE;
  if (!search.ClassName.empty() && ClassName(window) != search.ClassName) return TRUE;
  if (!search.Caption.empty() && WindowText(window) != search.Caption) return TRUE;
  search.Found = window;
  return FALSE;
}

// A block of memory in another process, for messages that carry pointers.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, SIZE_T size)
      : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  ~RemoteMemory() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
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

}  // namespace

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  if (const DWORD length = GetEnvironmentVariableW(L"VELMORA_PROGRAM", path, MAX_PATH); length > 0 && length < MAX_PATH)
    return path;
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  folder.resize(folder.rfind(L'\\'));  // ...\tests
  return folder.substr(0, folder.rfind(L'\\')) + L"\\Velmora.exe";
}

Velmora::Velmora(const std::wstring& argument, const std::wstring& program) {
  Start(L"\"" + program + L"\" \"" + argument + L"\"", program);
}

void Velmora::Start(const std::wstring& command, const std::wstring& program) {
  std::wstring line = command;
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    throw std::runtime_error("cannot start Velmora");
  process_.Reset(process.hProcess);
  CloseHandle(process.hThread);
  processId_ = process.dwProcessId;
  WaitFor([this] {
    WindowSearch search{processId_, L"VelmoraForm", L"", nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return (window_ = search.Found) != nullptr;
  });
  if (!window_) throw std::runtime_error("Velmora shows no window");
  list_ = Child(L"ListBox", L"");
  statusBar_ = Child(L"msctls_statusbar32", L"");
  cancel_ = Child(L"Button", L"Cancel");
  up_ = Child(L"Button", L"&Up");
}

Velmora::~Velmora() {
  if (WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.Get(), 1);
}

bool Velmora::WaitUntilShown() const {
  return WaitFor([this] { return !Scanning() && Caption().rfind(L"Velmora - ", 0) == 0; });
}

// The status bar keeps its texts in its own process: ask it to copy one there, then read it.
std::string Velmora::Panel(int index) const {
  const RemoteMemory memory(process_.Get(), 2048);
  SendMessageW(statusBar_, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(memory.Address()));
  wchar_t text[1024] = {};
  memory.Read(0, text, sizeof text - sizeof(wchar_t));
  return WideToUtf8(text);
}

LPARAM Velmora::LinePoint(const std::string& line, HWND list) const {
  const std::vector<std::string> lines = ListBoxLines(list);
  const auto found = std::find(lines.begin(), lines.end(), line);
  EXPECT_NE(found, lines.end()) << line;
  const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
  const int top = static_cast<int>(SendMessageW(list, LB_GETTOPINDEX, 0, 0));
  return MAKELPARAM(10, (static_cast<int>(found - lines.begin()) - top) * height + height / 2);
}

void Velmora::ClickLine(const std::string& line) const {
  const LPARAM at = LinePoint(line, list_);
  SendMessageW(list_, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list_, WM_LBUTTONUP, 0, at);
}

bool Velmora::ChooseFromListMenu(wchar_t itemKey) const {
  PostMessageW(list_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list_), -1);
  if (!WaitFor([this] { return MenuShows(); })) return false;
  PressKey(list_, static_cast<WPARAM>(std::towupper(itemKey)));
  return WaitFor([this] { return !MenuShows(); });
}

void Velmora::DoubleClickLine(const std::string& line, HWND list) const {
  if (!list) list = list_;
  const LPARAM at = LinePoint(line, list);
  SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
  SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  SendMessageW(list, WM_LBUTTONUP, 0, at);
}

void Velmora::RightClickChart(double angle) const {
  // Where the program puts its chart, given where its list and bars are.
  RECT list{}, status{}, tools{}, client{};
  GetWindowRect(list_, &list);
  MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&list), 2);
  GetWindowRect(statusBar_, &status);
  GetWindowRect(FindWindowExW(window_, nullptr, L"VelmoraPanel", nullptr), &tools);
  GetClientRect(window_, &client);
  const WindowDC screen;
  const TRect chart = ChartBounds({list.left, list.top, list.right - list.left, list.bottom - list.top},
                                  {client.right, client.bottom}, tools.bottom - tools.top, status.bottom - status.top,
                                  DpiScale(GetDeviceCaps(screen.Get(), LOGPIXELSY)));
  const int radius = chart.Width / 2;
  const LPARAM at = MAKELPARAM(chart.Left + radius + static_cast<int>(std::cos(angle) * radius / 2),
                               chart.Top + radius - static_cast<int>(std::sin(angle) * radius / 2));
  PostMessageW(window_, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageW(window_, WM_RBUTTONUP, 0, at);
}

void Velmora::ClickTab(HWND tabs, int index) const {
  const RemoteMemory memory(process_.Get(), sizeof(RECT));
  SendMessageW(tabs, TCM_GETITEMRECT, index, reinterpret_cast<LPARAM>(memory.Address()));
  RECT tab{};
  memory.Read(0, &tab, sizeof tab);
  const LPARAM at = MAKELPARAM(tab.left + 5, tab.top + 5);
  SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(tabs, WM_LBUTTONUP, 0, at);
}

bool Velmora::WaitUntilIdle() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 20000 * Patience(), &result) != 0;
}

bool Velmora::ClickPrintAndWait() const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(ToolButton(1), BM_CLICK, 0, 0, SMTO_NORMAL, 60000 * Patience(), &result) != 0;
}

HWND Velmora::WaitForDialog(const std::wstring& caption) const {
  HWND dialog = WaitForWindow(caption);
  if (dialog) {
    EXPECT_FALSE(IsWindowEnabled(window_)) << "the main window waits for the dialog";
  }
  return dialog;
}

HWND Velmora::ToolButton(int index) const {
  // The tool bar's picture buttons have no caption; they come first, Open then Print.
  HWND button = nullptr;
  for (int i = 0; i <= index; ++i) button = FindWindowExW(GetParent(UnitsSelector()), button, L"Button", L"");
  return button;
}

bool Velmora::MenuShows() const {
  WindowSearch search{processId_, L"#32768", L"", nullptr};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.Found != nullptr;
}

void Velmora::ChooseMenu(wchar_t menuKey, wchar_t itemKey) const {
  // A window that is not yet active again (a dialog has just closed) may let the
  // first try pass.
  SetForegroundWindow(window_);
  WaitFor([this] { return GetForegroundWindow() == window_; }, 2000);
  for (int attempt = 0; attempt < 3; ++attempt) {
    PostMessageW(window_, WM_SYSCOMMAND, SC_KEYMENU, menuKey);
    if (WaitFor([this] { return MenuShows(); }, 3000)) break;
  }
  PostMessageW(window_, WM_CHAR, itemKey, 1);
}

HWND Velmora::OpenFromMenu(wchar_t menuKey, wchar_t itemKey, const std::wstring& caption) const {
  // Activation arriving late closes the menu before the item's key reaches it. The
  // command then never ran and the main window is still enabled: choose again. A
  // dialog takes far less than the wait to show, so the command is never run twice.
  for (int attempt = 0; attempt < 3; ++attempt) {
    ChooseMenu(menuKey, itemKey);
    if (WaitForWindow(caption, 8000) || !IsWindowEnabled(window_)) return WaitForDialog(caption);
    if (MenuShows()) PressKey(window_, VK_ESCAPE);
    WaitFor([this] { return !MenuShows(); }, 2000);
  }
  return nullptr;
}

bool Velmora::SaveListingAs(const std::wstring& path) const {
  return SaveAs(OpenFromMenu(L'f', L's', L"Save piechart listing"), path);  // File, Save
}

bool Velmora::SaveAs(HWND dialog, const std::wstring& path) const {
  HWND name = dialog ? Child(L"Edit", L"", dialog) : nullptr;
  if (!name) return false;
  Type(name, path);
  PressKey(name, VK_RETURN);
  return WaitFor([&] { return !IsWindow(dialog); });
}

void Velmora::PressKey(HWND target, WPARAM key) const {
  PostMessageW(target, WM_KEYDOWN, key, 1);
  PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

void Velmora::Type(HWND edit, const std::wstring& text) const {
  PostMessageW(edit, EM_SETSEL, 0, -1);
  for (const wchar_t c : text) PostMessageW(edit, WM_CHAR, c, 1);
}

HWND Velmora::WaitForWindow(const std::wstring& caption, int milliseconds) const {
  HWND found = nullptr;
  WaitFor([&] {
    WindowSearch search{processId_, L"", caption, nullptr};
    EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&search));
    return (found = search.Found) != nullptr;
  }, milliseconds);
  return found;
}

HWND Velmora::Child(const std::wstring& className, const std::wstring& text, HWND parent) const {
  return FindChild(parent ? parent : window_, className, text);
}

std::wstring Velmora::TreeItemText(HWND tree, HTREEITEM item) const {
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

bool Velmora::Close(DWORD& exitCode) const {
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_.Get(), 20000 * Patience()) != WAIT_OBJECT_0) return false;
  return GetExitCodeProcess(process_.Get(), &exitCode) != FALSE;
}

void CloseCleanly(const Velmora& velmora) {
  DWORD exitCode = 1;
  ASSERT_TRUE(velmora.Close(exitCode));
  EXPECT_EQ(exitCode, 0u);
}

void ForgetStoredSettings() {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quillfen");
  for (const wchar_t* verb : {L"Directory\\shell\\UsagePieChart", L"Drive\\shell\\UsagePieChart"})
    RegDeleteTreeW(HKEY_CLASSES_ROOT, verb);
}

std::optional<DWORD> StoredInteger(const std::wstring& name, const std::wstring& key) {
  DWORD value = 0, size = sizeof value;
  const LSTATUS read =
      RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size);
  if (read != ERROR_SUCCESS) return std::nullopt;
  return value;
}

std::wstring StoredText(HKEY root, const std::wstring& key, const std::wstring& name) {
  wchar_t text[1024] = {};
  DWORD size = sizeof text;
  RegGetValueW(root, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ, nullptr, text, &size);
  return text;
}

void StoreInteger(const std::wstring& name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, name.c_str(), REG_DWORD, &value, sizeof value);
}

#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "WindowQueries.h"
#include "win32/Handles.h"
#include "win32/WinApi.h"

#include <commctrl.h>

// The Velmora.exe built beside the tests, or the one VELMORA_PROGRAM names.
std::wstring ProgramPath();

// A running Velmora and its windows, driven from outside its process as a user's
// mouse and keyboard would drive it, and read back from its windows.
class Velmora {
 public:
  // Starts the program (or a copy of it) with one argument.
  explicit Velmora(const std::wstring& argument, const std::wstring& program = ProgramPath());
  ~Velmora();
  Velmora(const Velmora&) = delete;
  Velmora& operator=(const Velmora&) = delete;

  HWND Window() const { return window_; }
  std::wstring Caption() const { return WindowText(window_); }
  bool Scanning() const { return IsWindowEnabled(cancel_) != FALSE; }
  bool UpEnabled() const { return IsWindowEnabled(up_) != FALSE; }
  // Waits until a scan has run and the window shows a level.
  bool WaitUntilShown() const;
  // Waits until the program has done with what it was doing (a message sent now is
  // answered only then); false when it has not within the time.
  bool WaitUntilIdle() const;

  std::vector<std::string> ListLines() const { return ListBoxLines(list_); }
  // The list's first line; empty while it has none.
  std::string FirstLine() const { return ListBoxFirstLine(list_); }
  std::string Panel(int index) const;
  HWND UnitsSelector() const { return Child(L"ComboBox", L""); }
  int SelectedUnits() const { return static_cast<int>(SendMessageW(UnitsSelector(), CB_GETCURSEL, 0, 0)); }

  // Double-clicks a line of the main window's list, or of the list given.
  void DoubleClickLine(const std::string& line, HWND list = nullptr) const;
  // Clicks a line of the main window's list.
  void ClickLine(const std::string& line) const;
  // Asks for the list's context menu from the keyboard (the Apps key) and chooses an
  // item by its access key; false when the menu did not show.
  bool ChooseFromListMenu(wchar_t itemKey) const;
  HWND List() const { return list_; }
  // A press and release of the right button on the chart, at an angle from its centre
  // (counter-clockwise from the right) half way to the rim.
  void RightClickChart(double angle) const;
  // Clicks the tab of a page control.
  void ClickTab(HWND tabs, int index) const;
  void ClickUp() const { SendMessageW(up_, BM_CLICK, 0, 0); }
  // The tool bar's buttons, clicked as the mouse would (the click returns at once).
  void ClickOpen() const { PostMessageW(ToolButton(0), BM_CLICK, 0, 0); }
  void ClickPrint() const { PostMessageW(ToolButton(1), BM_CLICK, 0, 0); }
  // Clicks Print and waits until the program has done with the click; false when it
  // has not within a minute (a message it shows waits for the user).
  bool ClickPrintAndWait() const;
  // Chooses a menu item that opens a dialog, with the keyboard: Alt and the menu's
  // access key, then the item's. The dialog once it shows, as WaitForDialog.
  HWND OpenFromMenu(wchar_t menuKey, wchar_t itemKey, const std::wstring& caption) const;
  // Saves the listing through the File menu's Save and the system's save dialog, typing
  // the name; false when the dialog did not come and go.
  bool SaveListingAs(const std::wstring& path) const;
  // Types the name into a save dialog and presses Enter; false when it did not go.
  bool SaveAs(HWND dialog, const std::wstring& path) const;
  // A key as the keyboard would bring it to a window of the program.
  void PressKey(HWND target, WPARAM key) const;
  // Types text into an edit control, replacing what it held.
  void Type(HWND edit, const std::wstring& text) const;

  // A top-level window of the program with that caption, once it shows; none when
  // it does not show within the time.
  HWND WaitForWindow(const std::wstring& caption, int milliseconds = 20000) const;
  // The first child of a window (the main one when none is given) of a class, and
  // caption when one is given, in creation order.
  HWND Child(const std::wstring& className, const std::wstring& text, HWND parent = nullptr) const;
  std::wstring TreeItemText(HWND tree, HTREEITEM item) const;

  // A dialog of the program shown modally over the main window, once it shows;
  // checks it was made to wait for it.
  HWND WaitForDialog(const std::wstring& caption) const;

  // Closes the main window as the user would and waits for the program to end.
  bool Close(DWORD& exitCode) const;

 private:
  void Start(const std::wstring& command, const std::wstring& program);
  HWND ToolButton(int index) const;
  // The middle of a line of a list, in its client pixels.
  LPARAM LinePoint(const std::string& line, HWND list) const;
  bool MenuShows() const;
  void ChooseMenu(wchar_t menuKey, wchar_t itemKey) const;

  FileHandle process_;
  DWORD processId_ = 0;
  HWND window_ = nullptr;
  HWND list_ = nullptr;
  HWND statusBar_ = nullptr;
  HWND cancel_ = nullptr;
  HWND up_ = nullptr;
};

// Closes the program as the user would and expects it to end well.
void CloseCleanly(const Velmora& velmora);

// Forgets every setting and placement the program stored, and its Explorer verb.
void ForgetStoredSettings();
// The program's settings in the registry, or what another of its keys holds (a key of
// the current user, or of `root`, whose default value a text without a name is).
constexpr wchar_t kSettingsKey[] = L"Software\\Quillfen\\Velmora";
std::optional<DWORD> StoredInteger(const std::wstring& name, const std::wstring& key = kSettingsKey);
std::wstring StoredText(HKEY root, const std::wstring& key, const std::wstring& name = L"");
void StoreInteger(const std::wstring& name, DWORD value);

#include "app/win32/Win32ShellActions.h"

#include <cstring>

#include "win32/Com.h"
#include "win32/Files.h"
#include "win32/Handles.h"
#include "win32/WideText.h"

#include <shellapi.h>

namespace {

std::string Execute(const wchar_t* file, const wchar_t* parameters) {
  const ComInitialisation com;  // verbs may run shell extensions
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  // Our own message names the item; the shell's would not say what it was asked.
  info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
  info.hwnd = GetActiveWindow();
  info.lpFile = file;
  info.lpParameters = parameters;
  info.nShow = SW_SHOWNORMAL;
  return ShellExecuteExW(&info) ? "" : SystemMessage(GetLastError());
}

// Closes the clipboard it opened.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool Open() const { return open_; }

 private:
  bool open_;
};

// SHFileOperation answers with its own codes besides the system's.
std::string RecycleFailure(int code) {
  switch (code) {
    case 0x7C: return "The path is not valid.";
    case 0x78: return "Access is denied.";
    case 0x402: return "The item could not be found, or an unknown error occurred.";
    default: return code < 0x70 ? SystemMessage(static_cast<unsigned long>(code)) : "error " + std::to_string(code);
  }
}

}  // namespace

std::string Win32ShellActions::Open(const std::string& path) { return Execute(Utf8ToWide(path).c_str(), nullptr); }

std::string Win32ShellActions::ShowInFolder(const std::string& path) {
  const std::wstring parameters = L"/select,\"" + Utf8ToWide(path) + L"\"";
  return Execute(L"explorer.exe", parameters.c_str());
}

std::string Win32ShellActions::CopyText(const std::string& text) {
  const std::wstring wide = Utf8ToWide(text);
  const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
  if (!memory) return SystemMessage(GetLastError());
  void* locked = GlobalLock(memory.Get());
  if (!locked) return SystemMessage(GetLastError());
  std::memcpy(locked, wide.c_str(), bytes);
  GlobalUnlock(memory.Get());
  const OpenClipboardScope clipboard(GetActiveWindow());
  if (!clipboard.Open() || !EmptyClipboard()) return SystemMessage(GetLastError());
  if (!SetClipboardData(CF_UNICODETEXT, memory.Get())) return SystemMessage(GetLastError());
  memory.Release();  // the clipboard owns it now
  return "";
}

ShellActions::RecycleResult Win32ShellActions::Recycle(const std::string& path) {
  std::wstring from = Utf8ToWide(path);
  from.push_back(L'\0');  // the list ends with an empty name
  SHFILEOPSTRUCTW operation{};
  operation.hwnd = GetActiveWindow();
  operation.wFunc = FO_DELETE;
  operation.pFrom = from.c_str();
  // We asked already; the shell still warns (FOF_WANTNUKEWARNING) where the item would
  // be deleted for good instead, and we report failures ourselves.
  operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_WANTNUKEWARNING | FOF_NOERRORUI | FOF_SILENT;
  const ComInitialisation com;
  const int code = SHFileOperationW(&operation);
  // Without its error messages the shell marks a failure as aborted too: the code tells.
  if (code != 0 && code != ERROR_CANCELLED) return {ShellActions::Recycled::Failed, RecycleFailure(code)};
  if (operation.fAnyOperationsAborted || code == ERROR_CANCELLED) return {ShellActions::Recycled::Declined, {}};
  return {ShellActions::Recycled::Done, {}};
}

#include "controls/win32/BrowseDr.h"

#include <optional>
#include <vector>

#include "gui/win32/Application.h"
#include "gui/win32/Form.h"
#include "gui/win32/GdiObjects.h"
#include "win32/Com.h"
#include "win32/Handles.h"
#include "win32/SystemInfo.h"
#include "win32/WideText.h"

#include <shellapi.h>

namespace {

constexpr int kStatusLineId = 14147;  // the shell dialog's status line

// The system's "insert a disk" and similar boxes stay away while this lives.
class CriticalErrorsOff {
 public:
  CriticalErrorsOff() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorsOff() { SetErrorMode(previous_); }
  CriticalErrorsOff(const CriticalErrorsOff&) = delete;
  CriticalErrorsOff& operator=(const CriticalErrorsOff&) = delete;

 private:
  UINT previous_;
};

std::optional<std::string> PathOfItem(PCIDLIST_ABSOLUTE item) {
  wchar_t path[MAX_PATH];
  if (!item || !SHGetPathFromIDListW(item, path)) return std::nullopt;
  return WideToUtf8(path);
}

bool DirectoryExists(const std::string& path) {
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileExW(Utf8ToWide(path).c_str(), FindExInfoStandard, &found,
                                           FindExSearchLimitToDirectories, nullptr, 0));
  return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

int SystemImageIndex(const std::string& path) {
  SHFILEINFOW info{};
  SHGetFileInfoW(Utf8ToWide(path).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX);
  return info.iIcon;
}

}  // namespace

bool FolderExists(std::string_view text) {
  const CriticalErrorsOff quiet;
  return IsExistingFolder(text, GetLogicalDrives(), DirectoryExists);
}

TvlxBrowseDirectoryDlg::TvlxBrowseDirectoryDlg(HWND owner) : owner_(owner) {}

TvlxBrowseDirectoryDlg::~TvlxBrowseDirectoryDlg() { ReplaceItem(nullptr); }

void TvlxBrowseDirectoryDlg::ReplaceItem(PIDLIST_ABSOLUTE item) {
  if (item_ != item) CoTaskMemFree(item_);
  item_ = item;
}

void TvlxBrowseDirectoryDlg::SetSelection(std::string_view selection) {
  if (selection == selection_) return;
  selection_ = NormalisedSelection(selection, FolderExists);
  if (selection_.empty()) ReplaceItem(nullptr);
  if (ShowSelectionInStatus) SetStatusText(selection_);
  if (dialog_) ApplySelection();
}

void TvlxBrowseDirectoryDlg::SetOptions(TBrowseFlags options) {
  if (options == options_) return;
  options_ = CompletedOptions(options);
}

void TvlxBrowseDirectoryDlg::SetStatusText(std::string_view text) {
  statusText_ = text;
  if (dialog_) SendStatusText();
}

void TvlxBrowseDirectoryDlg::SetFitStatusText(bool fit) {
  fitStatusText_ = fit;
  if (dialog_) SendStatusText();
}

void TvlxBrowseDirectoryDlg::SetEnableOKButton(bool enable) {
  enableOk_ = enable;
  if (dialog_) SendMessageW(dialog_, BFFM_ENABLEOK, 0, enable);
}

std::string TvlxBrowseDirectoryDlg::Caption() const {
  if (!dialog_) return caption_;
  wchar_t text[256];
  const int length = GetWindowTextW(dialog_, text, 256);
  return WideToUtf8(std::wstring_view(text, length));
}

void TvlxBrowseDirectoryDlg::SetCaption(std::string_view caption) {
  caption_ = caption;
  if (dialog_) SetWindowTextW(dialog_, Utf8ToWide(caption).c_str());
}

bool TvlxBrowseDirectoryDlg::Execute() {
  HWND owner = owner_;
  if (!owner && Application().MainForm()) owner = Application().MainForm()->Handle();
  TaskMemory<wchar_t> displayName(static_cast<wchar_t*>(CoTaskMemAlloc(MAX_PATH * sizeof(wchar_t))));
  if (!displayName.Get()) return false;
  displayName.Get()[0] = L'\0';

  const ComInitialisation com;
  TaskMemory<ITEMIDLIST> root;
  SHGetSpecialFolderLocation(owner, RootFolderCode(Root, IsNtFamily()), root.Receive());
  const std::wstring title = Utf8ToWide(Title);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.Get();
  info.pszDisplayName = displayName.Get();
  info.lpszTitle = title.c_str();
  info.ulFlags = ShellBrowseFlags(options_, !statusText_.empty(), ShowSelectionInStatus);
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  TaskMemory<ITEMIDLIST> chosen;
  {
    const CriticalErrorsOff quiet;
    *chosen.Receive() = SHBrowseForFolderW(&info);
  }
  dialog_ = nullptr;
  if (!chosen.Get()) {
    selection_.clear();
    ReplaceItem(nullptr);
    return false;
  }

  const std::optional<std::string> path = PathOfItem(chosen.Get());
  std::string selection;
  if (options_.Contains(bfComputers)) selection = path.value_or("\\\\" + WideToUtf8(displayName.Get()));
  else selection = path.value_or(WideToUtf8(displayName.Get()));  // no file-system path: the item's name
  imageIndex_ = path && info.iImage == -1 ? SystemImageIndex(*path) : info.iImage;
  selection_ = selection;
  ReplaceItem(chosen.Release());
  return true;
}

int CALLBACK TvlxBrowseDirectoryDlg::BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data) {
  auto* self = reinterpret_cast<TvlxBrowseDirectoryDlg*>(data);
  if (!self) return 0;
  try {
    switch (message) {
      case BFFM_INITIALIZED:
        self->DoInitialized(dialog);
        return 0;
      case BFFM_SELCHANGED:
        self->DoSelChanged(dialog, reinterpret_cast<PCIDLIST_ABSOLUTE>(parameter));
        return 0;
      case BFFM_VALIDATEFAILEDW: {
        bool cancel = false;
        self->DoValidateFailed(WideToUtf8(reinterpret_cast<const wchar_t*>(parameter)), cancel);
        return cancel ? 0 : 1;  // 1 keeps the dialog open
      }
    }
  } catch (const std::exception& error) {
    Application().HandleException(error);
  }
  return 0;
}

void TvlxBrowseDirectoryDlg::DoInitialized(HWND dialog) {
  dialog_ = dialog;
  if (Center) {
    RECT bounds{};
    GetWindowRect(dialog, &bounds);
    const Position at = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                        bounds.right - bounds.left, bounds.bottom - bounds.top);
    SetWindowPos(dialog, nullptr, at.X, at.Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(dialog, BFFM_ENABLEOK, 0, enableOk_);
  if (!statusText_.empty()) SendStatusText();
  if (!selection_.empty() || item_) ApplySelection();
  if (!caption_.empty()) SetWindowTextW(dialog, Utf8ToWide(caption_).c_str());
  if (OnCreate) OnCreate(*this);
}

void TvlxBrowseDirectoryDlg::DoSelChanged(HWND, PCIDLIST_ABSOLUTE item) {
  if (!ShowSelectionInStatus && !OnSelChanged) return;
  const std::string path = PathOfItem(item).value_or("");
  if (ShowSelectionInStatus) SetStatusText(path);
  if (OnSelChanged) OnSelChanged(*this, path, item);
}

void TvlxBrowseDirectoryDlg::DoValidateFailed(const std::string& path, bool& cancel) {
  if (OnValidateFailed) OnValidateFailed(*this, path, cancel);
}

void TvlxBrowseDirectoryDlg::ApplySelection() {
  if (selection_.empty() && item_) {
    selection_ = PathOfItem(item_).value_or("");
    SendMessageW(dialog_, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(item_));
    return;
  }
  ComReference<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Receive())) || !desktop) return;
  const bool network = selection_.rfind("\\\\", 0) == 0;
  if (!network) {
    // Sent before the parse below: Wine's browser ignores a path selection that
    // follows a parse through the desktop folder.
    const std::wstring path = Utf8ToWide(SelectionForBrowser(selection_));
    SendMessageW(dialog_, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
  }
  std::wstring name = Utf8ToWide(selection_).substr(0, MAX_PATH);
  PIDLIST_RELATIVE parsed = nullptr;
  if (FAILED(desktop->ParseDisplayName(dialog_, nullptr, name.data(), nullptr, &parsed, nullptr)) || !parsed) return;
  ReplaceItem(reinterpret_cast<PIDLIST_ABSOLUTE>(parsed));
  if (network) SendMessageW(dialog_, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(item_));
}

void TvlxBrowseDirectoryDlg::SendStatusText() {
  std::string text = statusText_;
  HWND line = dialog_ ? GetDlgItem(dialog_, kStatusLineId) : nullptr;
  if (fitStatusText_ && line && !text.empty()) {
    const WindowTextMeasure measure(line);
    RECT bounds{};
    GetWindowRect(line, &bounds);
    const auto width = [&](std::string_view candidate) {
      return static_cast<int>(measure.Size(Utf8ToWide(candidate)).cx);
    };
    text = FittedStatusText(text, FolderExists(text), bounds.right - bounds.left, width);
  }
  SendMessageW(dialog_, BFFM_SETSTATUSTEXTW, 0, reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

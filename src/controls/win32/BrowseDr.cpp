#include "controls/win32/BrowseDr.h"

#include <optional>
#include <vector>

#include "gui/Layout.h"
#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Form.h"
#include "gui/win32/framework/Guarded.h"
#include "win32/Com.h"
#include "win32/Handles.h"
#include "win32/RealFileSystem.h"
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
  const RealFileSystem real;  // the folder the scan will list
  WIN32_FIND_DATAW found;
  const FindHandle search(FindFirstFileExW(Utf8ToWide(path).c_str(), FindExInfoStandard, &found,
                                           FindExSearchLimitToDirectories, nullptr, 0));
  return search && (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool FolderExists(std::string_view text) {
  const CriticalErrorsOff quiet;
  return IsExistingFolder(text, GetLogicalDrives(), DirectoryExists);
}

TvlxBrowseDirectoryDlg::TvlxBrowseDirectoryDlg(const TBrowseDirectoryOptions& options)
    : owner_(options.Owner),
      title_(options.Title),
      root_(options.Root),
      options_(CompletedOptions(options.Options)),
      caption_(options.Caption),
      showSelectionInStatus_(options.ShowSelectionInStatus) {}

void TvlxBrowseDirectoryDlg::SetSelection(std::string_view selection) {
  if (selection == selection_) return;
  selection_ = NormalisedSelection(selection, FolderExists);
  if (selection_.empty()) item_.Reset();
  if (showSelectionInStatus_) SetStatusText(selection_);
  if (dialog_) ApplySelection();
}

void TvlxBrowseDirectoryDlg::SetStatusText(std::string_view text) {
  statusText_ = text;
  if (dialog_) SendStatusText();
}

bool TvlxBrowseDirectoryDlg::Execute() {
  HWND owner = owner_;
  if (!owner && Application().MainForm()) owner = Application().MainForm()->Handle();
  wchar_t displayName[MAX_PATH] = {};

  const ComInitialisation com;
  PIDLIST_ABSOLUTE rootItem = nullptr;
  SHGetSpecialFolderLocation(owner, RootFolderCode(root_, IsNtFamily()), &rootItem);
  const ShellMemory<ITEMIDLIST> root(rootItem);
  const std::wstring title = Utf8ToWide(title_);
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.pidlRoot = root.Get();
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = ShellBrowseFlags(options_, !statusText_.empty(), showSelectionInStatus_);
  info.lpfn = BrowseCallback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  ShellMemory<ITEMIDLIST> chosen;
  {
    const CriticalErrorsOff quiet;
    chosen.Reset(SHBrowseForFolderW(&info));
  }
  dialog_ = nullptr;
  if (!chosen) {
    selection_.clear();
    item_.Reset();
    return false;
  }

  const std::optional<std::string> path = PathOfItem(chosen.Get());
  if (options_.Contains(bfComputers)) selection_ = path.value_or("\\\\" + WideToUtf8(displayName));
  else selection_ = path.value_or(WideToUtf8(displayName));  // no file-system path: the item's name
  item_ = std::move(chosen);
  return true;
}

int CALLBACK TvlxBrowseDirectoryDlg::BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data) {
  auto* self = reinterpret_cast<TvlxBrowseDirectoryDlg*>(data);
  if (!self) return 0;
  return Guarded(0, [&] {
    if (message == BFFM_INITIALIZED) self->DoInitialized(dialog);
    else if (message == BFFM_SELCHANGED) self->DoSelChanged(reinterpret_cast<PCIDLIST_ABSOLUTE>(parameter));
    return 0;
  });
}

void TvlxBrowseDirectoryDlg::DoInitialized(HWND dialog) {
  dialog_ = dialog;
  RECT bounds{};
  GetWindowRect(dialog, &bounds);
  const TRect at = Centred({bounds.right - bounds.left, bounds.bottom - bounds.top},
                           {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
  SetWindowPos(dialog, nullptr, at.Left, at.Top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (!statusText_.empty()) SendStatusText();
  if (!selection_.empty() || item_) ApplySelection();
  if (!caption_.empty()) SetWindowTextW(dialog, Utf8ToWide(caption_).c_str());
}

void TvlxBrowseDirectoryDlg::DoSelChanged(PCIDLIST_ABSOLUTE item) {
  if (showSelectionInStatus_) SetStatusText(PathOfItem(item).value_or(""));
}

void TvlxBrowseDirectoryDlg::ApplySelection() {
  if (selection_.empty() && item_) {
    selection_ = PathOfItem(item_.Get()).value_or("");
    SendMessageW(dialog_, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(item_.Get()));
    return;
  }
  ComReference<IShellFolder> desktop;
  if (FAILED(SHGetDesktopFolder(desktop.Receive())) || !desktop) return;
  const bool network = selection_.rfind("\\\\", 0) == 0;
  if (!network) {
    // Sent before the parse below: Wine's browser ignores a path selection that
    // follows a parse through the desktop folder. Should the parse fail, it stands.
    const std::wstring path = Utf8ToWide(SelectionForBrowser(selection_));
    SendMessageW(dialog_, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
  }
  std::wstring name = Utf8ToWide(selection_).substr(0, MAX_PATH);
  PIDLIST_RELATIVE parsed = nullptr;
  if (FAILED(desktop->ParseDisplayName(dialog_, nullptr, name.data(), nullptr, &parsed, nullptr)) || !parsed) return;
  item_.Reset(reinterpret_cast<PIDLIST_ABSOLUTE>(parsed));
  // Wine's browser does not always take the path (it depends on how far it has
  // filled its tree); the item it always takes.
  SendMessageW(dialog_, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(item_.Get()));
}

void TvlxBrowseDirectoryDlg::SendStatusText() {
  std::string text = statusText_;
  HWND line = dialog_ ? GetDlgItem(dialog_, kStatusLineId) : nullptr;
  if (line && !text.empty()) {
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

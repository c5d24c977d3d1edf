#pragma once

#include <functional>
#include <string>

#include "controls/BrowseRules.h"
#include "gui/Component.h"
#include "win32/WinApi.h"

#include <shlobj.h>

// The shell's folder browser as a component: set a title, root, options and initial
// selection, call Execute, and read the chosen path from Selection.
class TvlxBrowseDirectoryDlg : public TComponent {
 public:
  using TBDSelChangedEvent = std::function<void(TvlxBrowseDirectoryDlg& sender, const std::string& newSel,
                                                PCIDLIST_ABSOLUTE newSelPidl)>;
  using TBDValidateFailedEvent =
      std::function<void(TvlxBrowseDirectoryDlg& sender, const std::string& path, bool& cancel)>;

  // `owner`: the window that owns the dialog while it shows.
  explicit TvlxBrowseDirectoryDlg(HWND owner = nullptr);
  ~TvlxBrowseDirectoryDlg() override;
  TvlxBrowseDirectoryDlg(const TvlxBrowseDirectoryDlg&) = delete;
  TvlxBrowseDirectoryDlg& operator=(const TvlxBrowseDirectoryDlg&) = delete;

  std::string Version() const { return "TvlxBrowseDirectoryDlg v2.61"; }

  // True when the user confirmed an item: Selection then holds its path (a drive as
  // "C:\", a folder without a trailing backslash). False when cancelled: Selection is
  // emptied, so the next Execute opens without a preselection.
  virtual bool Execute();

  const std::string& Selection() const { return selection_; }
  // An existing folder is stored with a trailing backslash; reaches an open dialog at once.
  void SetSelection(std::string_view selection);
  TBrowseFlags Options() const { return options_; }
  void SetOptions(TBrowseFlags options);
  const std::string& StatusText() const { return statusText_; }
  void SetStatusText(std::string_view text);
  bool FitStatusText() const { return fitStatusText_; }
  void SetFitStatusText(bool fit);
  bool EnableOKButton() const { return enableOk_; }
  void SetEnableOKButton(bool enable);
  // While the dialog is open, its window's current text.
  std::string Caption() const;
  void SetCaption(std::string_view caption);
  int ImageIndex() const { return imageIndex_; }

  std::string Title;
  TRootID Root = TRootID::idDesktop;
  bool Center = true;
  bool ShowSelectionInStatus = false;
  TBDSelChangedEvent OnSelChanged;
  TNotifyEvent OnCreate;
  TBDValidateFailedEvent OnValidateFailed;

 protected:
  virtual void DoInitialized(HWND dialog);
  virtual void DoSelChanged(HWND dialog, PCIDLIST_ABSOLUTE item);
  virtual void DoValidateFailed(const std::string& path, bool& cancel);

 private:
  static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data);
  void ApplySelection();
  void SendStatusText();
  void ReplaceItem(PIDLIST_ABSOLUTE item);

  HWND owner_;
  HWND dialog_ = nullptr;  // only while Execute runs
  PIDLIST_ABSOLUTE item_ = nullptr;  // the selection's shell item, freed with the allocator
  std::string selection_;
  TBrowseFlags options_;
  std::string statusText_;
  bool fitStatusText_ = true;
  bool enableOk_ = true;
  std::string caption_;
  int imageIndex_ = -1;
};

// Whether a text names an existing folder, with the system's critical-error boxes off.
bool FolderExists(std::string_view text);

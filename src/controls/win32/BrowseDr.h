#pragma once

#include <string>

#include "controls/BrowseRules.h"
#include "gui/Component.h"
#include "win32/Handles.h"

#include <shlobj.h>

struct TBrowseDirectoryOptions {
  HWND Owner = nullptr;  // owns the dialog while it shows; none for the main form
  std::string Title;     // the line above the tree
  TRootID Root = TRootID::idDesktop;
  TBrowseFlags Options;
  std::string Caption;  // of the dialog window; none keeps the shell's
  // The status line under the title follows the selection.
  bool ShowSelectionInStatus = false;
};

// The shell's folder browser as a component, centred on the screen: set an initial
// selection, call Execute, and read the chosen path from Selection.
class TvlxBrowseDirectoryDlg : public TComponent {
 public:
  explicit TvlxBrowseDirectoryDlg(const TBrowseDirectoryOptions& options);

  // True when the user confirmed an item: Selection then holds its path (a drive as
  // "C:\", a folder without a trailing backslash). False when cancelled: Selection is
  // emptied, so the next Execute opens without a preselection.
  virtual bool Execute();

  const std::string& Selection() const { return selection_; }
  // An existing folder is stored with a trailing backslash; reaches an open dialog at once.
  void SetSelection(std::string_view selection);

 protected:
  virtual void DoInitialized(HWND dialog);
  virtual void DoSelChanged(PCIDLIST_ABSOLUTE item);

 private:
  static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data);
  void ApplySelection();
  void SetStatusText(std::string_view text);
  void SendStatusText();

  const HWND owner_;
  const std::string title_;
  const TRootID root_;
  const TBrowseFlags options_;
  const std::string caption_;
  const bool showSelectionInStatus_;
  HWND dialog_ = nullptr;  // only while Execute runs
  ShellMemory<ITEMIDLIST> item_;  // the selection's shell item
  std::string selection_;
  std::string statusText_;
};

// Whether a text names an existing folder, with the system's critical-error boxes off.
bool FolderExists(std::string_view text);

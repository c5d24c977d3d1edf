#pragma once

#include <string>

#include "controls/BrowseRules.h"
#include "gui/Component.h"
#include "win32/Handles.h"

#include <shlobj.h>

// The shell's folder browser as a component: set a title, root, options and initial
// selection, call Execute, and read the chosen path from Selection.
class TvlxBrowseDirectoryDlg : public TComponent {
 public:
  // `owner`: the window that owns the dialog while it shows.
  explicit TvlxBrowseDirectoryDlg(HWND owner = nullptr);

  // True when the user confirmed an item: Selection then holds its path (a drive as
  // "C:\", a folder without a trailing backslash). False when cancelled: Selection is
  // emptied, so the next Execute opens without a preselection.
  virtual bool Execute();

  const std::string& Selection() const { return selection_; }
  // An existing folder is stored with a trailing backslash; reaches an open dialog at once.
  void SetSelection(std::string_view selection);
  TBrowseFlags Options() const { return options_; }
  void SetOptions(TBrowseFlags options);
  // The dialog window's caption, set when it opens.
  void SetCaption(std::string_view caption) { caption_ = caption; }

  std::string Title;
  TRootID Root = TRootID::idDesktop;
  bool Center = true;
  // The status line under the title follows the selection.
  bool ShowSelectionInStatus = false;

 protected:
  virtual void DoInitialized(HWND dialog);
  virtual void DoSelChanged(PCIDLIST_ABSOLUTE item);

 private:
  static int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM parameter, LPARAM data);
  void ApplySelection();
  void SetStatusText(std::string_view text);
  void SendStatusText();

  HWND owner_;
  HWND dialog_ = nullptr;  // only while Execute runs
  ShellMemory<ITEMIDLIST> item_;  // the selection's shell item
  std::string selection_;
  TBrowseFlags options_;
  std::string statusText_;
  std::string caption_;
};

// Whether a text names an existing folder, with the system's critical-error boxes off.
bool FolderExists(std::string_view text);

#pragma once

#include <string>

#include "gui/Component.h"
#include "win32/WinApi.h"

#include <commdlg.h>

// The system's dialogs for choosing a file to save under or to open.
class TFileDialog : public TComponent {
 public:
  struct Options {
    std::string FileName;
    std::string DefaultExt;
    std::string Filter;
    std::string Title;
  };
  explicit TFileDialog(Options options = {})
      : FileName(std::move(options.FileName)),
        DefaultExt(std::move(options.DefaultExt)),
        Filter(std::move(options.Filter)),
        Title(std::move(options.Title)) {}

  std::string FileName;  // the name shown first; after Execute, the one chosen
  std::string DefaultExt;  // without the dot
  // Pairs of description and pattern, "|"-separated: "Text files (*.txt)|*.txt|...".
  std::string Filter;
  std::string Title;

 protected:
  using Show = BOOL(WINAPI*)(OPENFILENAMEW*);
  bool Execute(HWND owner, Show show, DWORD flags);
};

// Saving: it does not ask about overwriting, that is the caller's question.
class TSaveDialog : public TFileDialog {
 public:
  using TFileDialog::TFileDialog;
  // Shows the dialog; true when the user chose a file, then in FileName.
  bool Execute(HWND owner);
};

// Opening: only a file that exists can be chosen.
class TOpenDialog : public TFileDialog {
 public:
  using TFileDialog::TFileDialog;
  bool Execute(HWND owner);
};

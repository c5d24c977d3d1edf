#pragma once

#include <string>

#include "gui/win32/framework/WinControl.h"

struct TEditOptions {
  std::string Text;
  bool ReadOnly = false;
  TNotifyEvent OnChange;
};

// A field of text to type in.
class TEdit : public TWinControl {
 public:
  TEdit(TWinControl& parent, const TEditOptions& options, const TDesign& design = {});
  bool ReadOnly() const;
  void SetReadOnly(bool readOnly);
  void SelectAll();

  // Every change of the text, the user's and the program's.
  TNotifyEvent OnChange;

 protected:
  // For kinds of edits: the extra window styles they need.
  TEdit(TWinControl& parent, const TEditOptions& options, const TDesign& design, DWORD extraStyle);
  void CommandNotification(WORD code) override;
  virtual void DoChange();
};

// Several lines of text to read: read-only, wrapped, on the menu colour.
class TMemo : public TEdit {
 public:
  explicit TMemo(TWinControl& parent, const TDesign& design = {});

 protected:
  HBRUSH ColourNotification(HDC dc) override;
};

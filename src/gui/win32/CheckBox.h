#pragma once

#include <string>

#include "gui/win32/WinControl.h"

struct TCheckBoxOptions {
  std::string Caption;
  TNotifyEvent OnClick;
};

// A box with a tick, and its caption beside it.
class TCheckBox : public TWinControl {
 public:
  TCheckBox(TWinControl& parent, const TCheckBoxOptions& options);
  bool Checked() const;
  // A change clicks the box, as the user's click does.
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD code) override;
  HBRUSH ColourNotification(HDC dc) override;
  virtual void DoClick();
};

struct TRadioButtonOptions {
  std::string Caption;
  TNotifyEvent OnClick;
};

// One choice of several: checking it clears the other radio buttons of its parent.
class TRadioButton : public TWinControl {
 public:
  TRadioButton(TWinControl& parent, const TRadioButtonOptions& options);
  bool Checked() const;
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD code) override;
  HBRUSH ColourNotification(HDC dc) override;
  virtual void DoClick();
};

#pragma once

#include <string>

#include "gui/win32/framework/Button.h"

// A button with a tick; setting the tick clicks it, as the user's click does. It is
// at least as wide as its tick and caption take in its font.
class TCheckedButton : public TButtonControl {
 public:
  bool Checked() const;
  virtual void SetChecked(bool checked);
  void SetBounds(int left, int top, int width, int height) override;

 protected:
  // Sets the tick; whether that changed it.
  bool ChangeTick(bool checked);
  HBRUSH ColourNotification(HDC dc) override;
};

struct TCheckBoxOptions {
  std::string Caption;
  bool Checked = false;  // made ticked, which is no click
  TNotifyEvent OnClick;
};

// A box with a tick, and its caption beside it.
class TCheckBox : public TCheckedButton {
 public:
  TCheckBox(TWinControl& parent, const TCheckBoxOptions& options, const TDesign& design = {});

 protected:
  void Clicked() override { SetChecked(!Checked()); }
};

struct TRadioButtonOptions {
  std::string Caption;
  bool Checked = false;  // made chosen, which is no click
  TNotifyEvent OnClick;
};

// One choice of several: checking it clears the other radio buttons of its parent.
class TRadioButton : public TCheckedButton {
 public:
  TRadioButton(TWinControl& parent, const TRadioButtonOptions& options, const TDesign& design = {});
  void SetChecked(bool checked) override;

 protected:
  void Clicked() override { SetChecked(true); }
};

#pragma once

#include "controls/TimerSpeedButton.h"
#include "gui/win32/controls/Edit.h"
#include "gui/win32/framework/CustomControl.h"

// Two arrows stacked, each repeating its click while held. It takes the keyboard only
// when it is a tab stop; pressing an arrow gives the keyboard to FocusControl.
class TSpinButton : public TCustomControl {
 public:
  explicit TSpinButton(TWinControl& parent);
  void SetBounds(int left, int top, int width, int height) override;
  // The control that gets the keyboard when an arrow is pressed; forgotten when it goes.
  void SetFocusControl(TWinControl* control);

  TTimerSpeedButton UpArrow;
  TTimerSpeedButton DownArrow;
  TNotifyEvent OnUpClick;
  TNotifyEvent OnDownClick;

 protected:
  void KeyDown(WORD& key) override;
  UINT DialogCode(UINT classCode, const MSG* message) override;
  void FocusEnter() override;
  void FocusExit() override;
  void Notification(TComponent& gone) override;

 private:
  void SelectArrow(TTimerSpeedButton& arrow);
  void ArrowPressed(TTimerSpeedButton& arrow);
  void ArrowClicked(TTimerSpeedButton& arrow);
  bool TabStop() const;

  TTimerSpeedButton* activeArrow_ = &UpArrow;
  TWinControl* focusControl_ = nullptr;
};

struct TSpinEditOptions {
  int32_t MinValue = 0;
  int32_t MaxValue = 0;  // equal to MinValue: no bounds
  int32_t Increment = 1;
  int32_t Value = 0;
  TNotifyEvent OnChange;
};

// A field for a whole number with up and down arrows at its right edge. The arrows
// and the Up and Down keys step the value; typing takes signs, digits and the decimal
// separator; leaving the field brings a number back within the bounds.
class TSpinEdit : public TEdit {
 public:
  TSpinEdit(TWinControl& parent, const TSpinEditOptions& options, const TDesign& design = {});
  int32_t MinValue;
  int32_t MaxValue;
  int32_t Increment;
  bool EditorEnabled = true;  // typing, pasting and cutting change the text
  bool AutoSelect = true;     // the whole text is selected when the field gets the keyboard

  // The text as a number; MinValue when it is none.
  int32_t Value() const;
  // Writes the value within the bounds.
  void SetValue(int32_t value);
  virtual void StepUp();
  virtual void StepDown();
  int MinimumHeight() const;

 protected:
  void KeyDown(WORD& key) override;
  void KeyPress(char16_t& key) override;
  UINT DialogCode(UINT classCode, const MSG* message) override;
  bool EditingAllowed() const override { return EditorEnabled && !ReadOnly(); }
  void FocusEnter() override;
  void FocusExit() override;
  void Resized() override;
  virtual bool AcceptsChar(char16_t key) const;

 private:
  void UpdateTextArea();
  void ShowValue(int32_t value);

  TSpinButton arrows_;
  char16_t decimalSeparator_;
};

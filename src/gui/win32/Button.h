#pragma once

#include "gui/win32/Glyph.h"
#include "gui/win32/WinControl.h"

// A push button, with an optional picture before its caption.
class TButton : public TWinControl {
 public:
  TButton(TWinControl& parent, std::string_view caption);
  void SetGlyph(const TGlyph* glyph);
  // Presses the button as a click would, when it is enabled.
  void Click();

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD code) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void DoClick();

 private:
  const TGlyph* glyph_ = nullptr;
};

// A flat tool-bar button that shows only its picture, greyed while disabled, and
// raises its edge under the mouse.
class TSpeedButton : public TWinControl {
 public:
  TSpeedButton(TWinControl& parent, const TGlyph& glyph);
  void Click();

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD code) override;
  bool DrawItemNotification(const DRAWITEMSTRUCT& item) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void DoClick();

 private:
  const TGlyph& glyph_;
  bool hot_ = false;
};

#pragma once

#include <string>

#include "gui/win32/drawing/Glyph.h"
#include "gui/win32/framework/WinControl.h"

// How a modal showing of a form ended.
enum class TModalResult { None, Ok, Cancel };

// What the buttons have in common: a click, by the mouse, the keyboard or Click.
class TButtonControl : public TWinControl {
 public:
  // Clicks as the user does, when the button is enabled and shows.
  void Click();

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD code) override;
  // The user clicked: a push button runs its click, a box changes its tick.
  virtual void Clicked() { DoClick(); }
  virtual void DoClick();
};

struct TButtonOptions {
  std::string Caption;
  const TGlyph* Glyph = nullptr;  // a picture before the caption
  bool Default = false;  // Enter clicks it
  bool Cancel = false;   // Escape clicks it
  // A click closes the form's modal showing with this result.
  TModalResult ModalResult = TModalResult::None;
  TNotifyEvent OnClick;
  TKeyPressEvent OnKeyPress;
};

// A push button.
class TButton : public TButtonControl {
 public:
  TButton(TWinControl& parent, const TButtonOptions& options, const TDesign& design = {});

 protected:
  void DoClick() override;

 private:
  TModalResult modalResult_;
};

struct TSpeedButtonOptions {
  const TGlyph& Glyph;
  TNotifyEvent OnClick;
};

// A flat tool-bar button that shows only its picture, greyed while disabled, and
// raises its edge under the mouse.
class TSpeedButton : public TButtonControl {
 public:
  TSpeedButton(TWinControl& parent, const TSpeedButtonOptions& options, const TDesign& design = {});

 protected:
  bool DrawItemNotification(const DRAWITEMSTRUCT& item) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  const TGlyph& glyph_;
  bool hot_ = false;
};

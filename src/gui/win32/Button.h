#pragma once

#include <string>

#include "gui/win32/Glyph.h"
#include "gui/win32/WinControl.h"

// How a modal showing of a form ended.
enum class TModalResult { None, Ok, Cancel };

struct TButtonOptions {
  std::string Caption;
  const TGlyph* Glyph = nullptr;  // a picture before the caption
  std::string Hint;
  bool Default = false;  // Enter clicks it
  bool Cancel = false;   // Escape clicks it
  // A click closes the form's modal showing with this result.
  TModalResult ModalResult = TModalResult::None;
  TNotifyEvent OnClick;
};

// A push button.
class TButton : public TWinControl {
 public:
  TButton(TWinControl& parent, const TButtonOptions& options);
  // Presses the button as a click would, when it is enabled and shows.
  void Click();

  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD code) override;
  virtual void DoClick();

 private:
  TModalResult modalResult_;
};

// A flat tool-bar button that shows only its picture, greyed while disabled, and
// raises its edge under the mouse.
struct TSpeedButtonOptions {
  const TGlyph& Glyph;
  std::string Hint;
  TNotifyEvent OnClick;
};

class TSpeedButton : public TWinControl {
 public:
  TSpeedButton(TWinControl& parent, const TSpeedButtonOptions& options);
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

#include "controls/win32/Spin.h"

#include <string>
#include <vector>

#include "controls/SpinRules.h"
#include "gui/win32/controls/Timer.h"
#include "gui/win32/drawing/GdiObjects.h"
#include "support/Utf8.h"
#include "support/win32/Win32Locale.h"

namespace {

// A bitmap resource of the program, pixel by pixel; empty when there is none.
TBitmapImage ResourceImage(const wchar_t* name) {
  const Bitmap bitmap(static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP shape{};
  if (!bitmap || !GetObjectW(bitmap.Get(), sizeof shape, &shape)) return {};
  BITMAPINFOHEADER header{sizeof header};
  header.biWidth = shape.bmWidth;
  header.biHeight = -shape.bmHeight;  // top row first
  header.biPlanes = 1;
  header.biBitCount = 32;
  header.biCompression = BI_RGB;
  std::vector<uint32_t> bgr(static_cast<size_t>(shape.bmWidth) * shape.bmHeight);
  const WindowDC screen;
  if (!GetDIBits(screen.Get(), bitmap.Get(), 0, shape.bmHeight, bgr.data(), reinterpret_cast<BITMAPINFO*>(&header),
                 DIB_RGB_COLORS))
    return {};
  TBitmapImage image{shape.bmWidth, shape.bmHeight, {}};
  for (const uint32_t pixel : bgr) image.Pixels.push_back(Rgb(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF));
  return image;
}

const TBitmapImage& UpImage() {
  static const TBitmapImage image = ResourceImage(L"SpinUp");
  return image;
}

const TBitmapImage& DownImage() {
  static const TBitmapImage image = ResourceImage(L"SpinDown");
  return image;
}

int TextHeightOf(HFONT font) {
  const WindowDC screen;
  const SelectionGuard selected(screen.Get(), font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen.Get(), &metrics);
  return metrics.tmHeight;
}

bool CanFocus(const TWinControl& control) { return IsWindowVisible(control.Handle()) && control.Enabled(); }

char16_t DecimalSeparator() {
  const std::u16string separator = Utf8ToUtf16(ReadUserFormatSettings().DecimalSeparator);
  return separator.empty() ? u'.' : separator.front();
}

}  // namespace

TSpinButton::TSpinButton(TWinControl& parent) : UpArrow(*this, MakeTicker), DownArrow(*this, MakeTicker) {
  CreateCustom(L"VelmoraSpinButton", WS_CHILD | WS_VISIBLE, 0, parent.Handle());
  for (TTimerSpeedButton* arrow : {&UpArrow, &DownArrow}) {
    arrow->OnPress = [this](TComponent& sender) { ArrowPressed(static_cast<TTimerSpeedButton&>(sender)); };
    arrow->OnClick = [this](TComponent& sender) { ArrowClicked(static_cast<TTimerSpeedButton&>(sender)); };
  }
  UpArrow.Glyph = &UpImage();
  DownArrow.Glyph = &DownImage();
  SetBounds(0, 0, 20, 25);
}

void TSpinButton::SetBounds(int left, int top, int width, int height) {
  const TArrowLayout arrows = LayoutArrows({width, height});
  UpArrow.SetBounds(arrows.Up.Left, arrows.Up.Top, arrows.Up.Width, arrows.Up.Height);
  DownArrow.SetBounds(arrows.Down.Left, arrows.Down.Top, arrows.Down.Width, arrows.Down.Height);
  TCustomControl::SetBounds(left, top, arrows.Up.Width, height);
}

void TSpinButton::SetFocusControl(TWinControl* control) {
  focusControl_ = control;
  if (control) FreeNotification(*control);
}

void TSpinButton::Notification(TComponent& gone) {
  if (&gone == focusControl_) focusControl_ = nullptr;
}

bool TSpinButton::TabStop() const { return (GetWindowLongW(Handle(), GWL_STYLE) & WS_TABSTOP) != 0; }

UINT TSpinButton::DialogCode(UINT classCode, const MSG*) { return classCode | DLGC_WANTARROWS; }

void TSpinButton::KeyDown(WORD& key) {
  if (key == VK_SPACE) {
    activeArrow_->Click();
  } else if (key == VK_UP || key == VK_DOWN) {
    TTimerSpeedButton& arrow = key == VK_UP ? UpArrow : DownArrow;
    SelectArrow(arrow);
    arrow.Click();
  }
}

void TSpinButton::FocusEnter() {
  activeArrow_->FocusFrame = true;
  activeArrow_->Invalidate();
}

void TSpinButton::FocusExit() {
  activeArrow_->FocusFrame = false;
  activeArrow_->Invalidate();
}

void TSpinButton::SelectArrow(TTimerSpeedButton& arrow) {
  if (!TabStop() || !CanFocus(*this) || &arrow == activeArrow_) return;
  activeArrow_->FocusFrame = false;
  activeArrow_ = &arrow;
  if (Focused()) {
    arrow.FocusFrame = true;
    Invalidate();
  }
}

void TSpinButton::ArrowPressed(TTimerSpeedButton& arrow) {
  SelectArrow(arrow);
  const bool focusable = focusControl_ && (GetWindowLongW(focusControl_->Handle(), GWL_STYLE) & WS_TABSTOP) &&
                         CanFocus(*focusControl_);
  if (focusable) {
    if (!focusControl_->Focused()) focusControl_->SetFocus();
  } else if (TabStop() && !Focused() && CanFocus(*this)) {
    SetFocus();
  }
}

void TSpinButton::ArrowClicked(TTimerSpeedButton& arrow) {
  const TNotifyEvent& event = &arrow == &UpArrow ? OnUpClick : OnDownClick;
  if (event) event(*this);
}

TSpinEdit::TSpinEdit(TWinControl& parent, const TSpinEditOptions& options, const TDesign& design)
    // Multi-line, so that the text's rectangle can be set clear of the arrows.
    : TEdit(parent, {.Text = "0"}, design, ES_MULTILINE | ES_AUTOHSCROLL | WS_CLIPCHILDREN),
      MinValue(options.MinValue),
      MaxValue(options.MaxValue),
      Increment(options.Increment),
      arrows_(*this),
      decimalSeparator_(DecimalSeparator()) {
  arrows_.SetFocusControl(this);
  arrows_.OnUpClick = [this](TComponent&) { StepUp(); };
  arrows_.OnDownClick = [this](TComponent&) { StepDown(); };
  arrows_.SetBounds(0, 0, 15, 17);
  SetValue(options.Value);
  OnChange = options.OnChange;
  UpdateTextArea();
}

int32_t TSpinEdit::Value() const { return ValueOfText(Text(), MinValue); }

void TSpinEdit::SetValue(int32_t value) { ShowValue(ClampValue(value, MinValue, MaxValue)); }

void TSpinEdit::ShowValue(int32_t value) {
  const std::string text = std::to_string(value);
  if (text == Text()) return;
  SetText(text);
  DoChange();  // a multi-line edit reports only the user's changes itself
}

void TSpinEdit::StepUp() {
  if (ReadOnly()) MessageBeep(0);
  else ShowValue(SteppedValue(Value(), Increment, MinValue, MaxValue));
}

void TSpinEdit::StepDown() {
  if (ReadOnly()) MessageBeep(0);
  else ShowValue(SteppedValue(Value(), -Increment, MinValue, MaxValue));
}

bool TSpinEdit::AcceptsChar(char16_t key) const { return ::AcceptsChar(key, decimalSeparator_, EditorEnabled); }

void TSpinEdit::KeyDown(WORD& key) {
  if (key == VK_UP) StepUp();
  else if (key == VK_DOWN) StepDown();
}

void TSpinEdit::KeyPress(char16_t& key) {
  if (!AcceptsChar(key)) {
    key = 0;
    MessageBeep(0);
  }
  if (key != 0) TEdit::KeyPress(key);
}

UINT TSpinEdit::DialogCode(UINT classCode, const MSG* message) {
  // A multi-line edit would take every key; this field lets Tab and Escape work the
  // dialog, but keeps Enter, which it refuses.
  UINT code = (classCode & ~DLGC_WANTALLKEYS) | DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (message && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
  return code;
}

void TSpinEdit::FocusEnter() {
  if (AutoSelect && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
}

void TSpinEdit::FocusExit() {
  const int32_t value = Value();
  if (ClampValue(value, MinValue, MaxValue) != value) SetValue(value);
}

int TSpinEdit::MinimumHeight() const {
  return ::MinimumHeight(TextHeightOf(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))), TextHeightOf(GdiFont()),
                         GetSystemMetrics(SM_CYBORDER));
}

void TSpinEdit::Resized() {
  const TRect bounds = BoundsRect();
  if (bounds.Height < MinimumHeight()) {
    SetBounds(bounds.Left, bounds.Top, bounds.Width, MinimumHeight());
    return;
  }
  const TRect arrows = ArrowsBounds({bounds.Width, bounds.Height}, arrows_.Width());
  arrows_.SetBounds(arrows.Left, arrows.Top, arrows.Width, arrows.Height);
  UpdateTextArea();
}

void TSpinEdit::UpdateTextArea() {
  const TRect area = TextArea(ClientSize(), arrows_.Width());
  const RECT rect{area.Left, area.Top, area.Right(), area.Bottom()};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&rect));
}

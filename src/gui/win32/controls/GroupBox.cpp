#include "gui/win32/controls/GroupBox.h"

#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/framework/Screen.h"

TGroupBox::TGroupBox(TWinControl& parent, const TGroupBoxOptions& options, const TDesign& design) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_GROUP | BS_GROUPBOX, WS_EX_CONTROLPARENT, parent.Handle(),
               options.Caption, design);
}

HBRUSH TGroupBox::ColourNotification(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

LRESULT TGroupBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // The frame draws no inside, and parents do not paint under their children.
  if (message == WM_ERASEBKGND) {
    RECT area{};
    GetClientRect(Handle(), &area);
    FillRect(reinterpret_cast<HDC>(wParam), &area, GetSysColorBrush(COLOR_BTNFACE));
    return 1;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

TRadioGroup::TRadioGroup(TWinControl& parent, const TRadioGroupOptions& options, const TDesign& design)
    : TGroupBox(parent, {options.Caption}, design) {
  for (const std::string& item : options.Items)
    buttons_.push_back(std::make_unique<TRadioButton>(*this, TRadioButtonOptions{item}));
  if (!buttons_.empty()) {
    HWND first = buttons_.front()->Handle();
    SetWindowLongW(first, GWL_STYLE, GetWindowLongW(first, GWL_STYLE) | WS_GROUP | WS_TABSTOP);
  }
  Resized();  // the frame was placed before its items were made
}

int TRadioGroup::ItemIndex() const {
  for (size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i]->Checked()) return static_cast<int>(i);
  return -1;
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(buttons_.size())) return;
  if (index >= 0) {
    buttons_[index]->SetChecked(true);
    return;
  }
  for (const auto& button : buttons_) button->SetChecked(false);
}

void TRadioGroup::Resized() {
  const SIZE caption = WindowTextMeasure(Handle()).Size(L"Xg");
  const DpiScale scale = ScreenScale();
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const TRect at = RadioItemBounds(ClientSize(), static_cast<int>(buttons_.size()), static_cast<int>(i), caption.cy,
                                     scale);
    buttons_[i]->SetBounds(at.Left, at.Top, at.Width, at.Height);
  }
}

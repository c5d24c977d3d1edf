#include "gui/win32/CheckBox.h"

namespace {

// Buttons draw on their parent's face colour.
HBRUSH FaceColour(HDC dc) {
  SetBkMode(dc, TRANSPARENT);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

TCheckBox::TCheckBox(TWinControl& parent, const TCheckBoxOptions& options) {
  // Not an automatic box: the click goes through SetChecked, as a program's change does.
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_CHECKBOX, 0, parent.Handle(),
               options.Caption);
  OnClick = options.OnClick;
}

bool TCheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  DoClick();
}

void TCheckBox::CommandNotification(WORD code) {
  if (code == BN_CLICKED) SetChecked(!Checked());
}

HBRUSH TCheckBox::ColourNotification(HDC dc) { return FaceColour(dc); }

void TCheckBox::DoClick() {
  if (OnClick) OnClick(*this);
}

TRadioButton::TRadioButton(TWinControl& parent, const TRadioButtonOptions& options) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 0, parent.Handle(), options.Caption);
  OnClick = options.OnClick;
}

bool TRadioButton::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TRadioButton::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  // The checked choice is the one Tab stops at.
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, checked ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  if (checked) {
    for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
      if (auto* other = dynamic_cast<TRadioButton*>(FromHandle(sibling)); other && other != this)
        other->SetChecked(false);
    DoClick();
  }
}

void TRadioButton::CommandNotification(WORD code) {
  if (code == BN_CLICKED) SetChecked(true);
}

HBRUSH TRadioButton::ColourNotification(HDC dc) { return FaceColour(dc); }

void TRadioButton::DoClick() {
  if (OnClick) OnClick(*this);
}

#include "gui/win32/controls/CheckBox.h"

#include <algorithm>

#include "gui/win32/drawing/GdiObjects.h"
#include "win32/WideText.h"

bool TCheckedButton::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

bool TCheckedButton::ChangeTick(bool checked) {
  if (checked == Checked()) return false;
  SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  return true;
}

void TCheckedButton::SetChecked(bool checked) {
  if (ChangeTick(checked)) DoClick();
}

void TCheckedButton::SetBounds(int left, int top, int width, int height) {
  // The tick, the space around it, the caption and its focus frame.
  const int needed = GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE) +
                     WindowTextMeasure(Handle()).Size(Utf8ToWide(Text())).cx + 2;
  TButtonControl::SetBounds(left, top, std::max(width, needed), height);
}

HBRUSH TCheckedButton::ColourNotification(HDC dc) {
  // On the parent's face colour.
  SetBkMode(dc, TRANSPARENT);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

TCheckBox::TCheckBox(TWinControl& parent, const TCheckBoxOptions& options, const TDesign& design) {
  // Not an automatic box: the click goes through SetChecked, as a program's change does.
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_CHECKBOX, 0, parent.Handle(),
               options.Caption, design);
  ChangeTick(options.Checked);
  OnClick = options.OnClick;
}

TRadioButton::TRadioButton(TWinControl& parent, const TRadioButtonOptions& options, const TDesign& design) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | BS_RADIOBUTTON, 0, parent.Handle(), options.Caption, design);
  SetChecked(options.Checked);  // before its handler is bound: no click
  OnClick = options.OnClick;
}

void TRadioButton::SetChecked(bool checked) {
  if (!ChangeTick(checked)) return;
  // The checked choice is the one Tab stops at.
  const LONG style = GetWindowLongW(Handle(), GWL_STYLE);
  SetWindowLongW(Handle(), GWL_STYLE, checked ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  if (!checked) return;
  for (HWND sibling = GetWindow(GetParent(Handle()), GW_CHILD); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT))
    if (auto* other = dynamic_cast<TRadioButton*>(FromHandle(sibling)); other && other != this) other->SetChecked(false);
  DoClick();
}

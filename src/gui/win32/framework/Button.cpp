#include "gui/win32/framework/Button.h"

#include <commctrl.h>

#include "gui/win32/framework/Form.h"

void TButtonControl::Click() {
  if (Enabled() && Visible()) Clicked();
}

void TButtonControl::CommandNotification(WORD code) {
  if (code == BN_CLICKED) Clicked();
}

void TButtonControl::DoClick() {
  if (OnClick) OnClick(*this);
}

TButton::TButton(TWinControl& parent, const TButtonOptions& options, const TDesign& design)
    : modalResult_(options.ModalResult) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | WS_TABSTOP | (options.Default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
               0, parent.Handle(), options.Caption, design);
  OnClick = options.OnClick;
  OnKeyPress = options.OnKeyPress;
  if (options.Glyph) {
    BUTTON_IMAGELIST images{options.Glyph->ButtonImages(), {2, 0, 2, 0}, BUTTON_IMAGELIST_ALIGN_LEFT};
    SendMessageW(Handle(), BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&images));
  }
  if (TForm* form = TForm::FormOf(parent.Handle())) {
    if (options.Default) form->DefaultButton = this;
    if (options.Cancel) form->CancelButton = this;
  }
}

void TButton::DoClick() {
  TButtonControl::DoClick();
  if (modalResult_ != TModalResult::None)
    if (TForm* form = TForm::FormOf(Handle())) form->SetModalResult(modalResult_);
}

TSpeedButton::TSpeedButton(TWinControl& parent, const TSpeedButtonOptions& options, const TDesign& design)
    : glyph_(options.Glyph) {
  CreateHandle(L"BUTTON", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, parent.Handle(), {}, design);
  OnClick = options.OnClick;
}

bool TSpeedButton::DrawItemNotification(const DRAWITEMSTRUCT& item) {
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, GetSysColorBrush(COLOR_BTNFACE));
  const bool enabled = !(item.itemState & ODS_DISABLED);
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  if (enabled && pressed) DrawEdge(item.hDC, &area, BDR_SUNKENOUTER, BF_RECT);
  else if (enabled && hot_) DrawEdge(item.hDC, &area, BDR_RAISEDINNER, BF_RECT);
  const int shift = pressed ? 1 : 0;
  const int x = (area.right - area.left - glyph_.Width()) / 2 + shift;
  const int y = (area.bottom - area.top - glyph_.Height()) / 2 + shift;
  const TGlyphLook look = enabled ? TGlyphLook::Normal : TGlyphLook::Greyed;
  DrawIconEx(item.hDC, x, y, glyph_.Icon(look), glyph_.Width(), glyph_.Height(), 0, nullptr, DI_NORMAL);
  return true;
}

LRESULT TSpeedButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Invalidate();
      }
      break;
    case WM_MOUSELEAVE:
      hot_ = false;
      Invalidate();
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

#include "gui/win32/Panel.h"

TPanel::TPanel(TWinControl& parent) {
  CreateHandle(OwnWindowClass(L"VelmoraPanel", 0, GetSysColorBrush(COLOR_BTNFACE)),
               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, parent.Handle());
}

LRESULT TPanel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    const PaintContext paint(Handle());
    RECT area{};
    GetClientRect(Handle(), &area);
    DrawEdge(paint.Get(), &area, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
    return 0;
  }
  if (message == WM_SIZE) Invalidate();  // the frame moves with the size
  return TWinControl::WndProc(message, wParam, lParam);
}

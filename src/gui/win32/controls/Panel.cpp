#include "gui/win32/controls/Panel.h"

#include "gui/win32/drawing/GdiObjects.h"
#include "win32/WideText.h"

TPanel::TPanel(TWinControl& parent, const TPanelOptions& options, const TDesign& design) {
  CreateCustom(L"VelmoraPanel", WS_CHILD | WS_VISIBLE, WS_EX_CONTROLPARENT, parent.Handle(), options.Caption, design);
}

void TPanel::SetCaption(std::string_view caption) {
  SetText(caption);
  Invalidate();
}

void TPanel::PaintWindow(HDC dc, const RECT& client) {
  RECT area = client;
  DrawEdge(dc, &area, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
  const std::wstring caption = Utf8ToWide(Text());
  if (caption.empty()) return;
  const SelectionGuard font(dc, GdiFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &area,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_PATH_ELLIPSIS);
}

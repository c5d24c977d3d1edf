#include "gui/win32/controls/Label.h"

#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/drawing/Win32Canvas.h"
#include "win32/WideText.h"

namespace {

DWORD StyleOf(const TLabelOptions& options) {
  // SS_NOTIFY: the label takes the mouse, so its hint can show and clicks reach it.
  DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX;
  if (options.Ellipsis == TEllipsis::End) style |= SS_ENDELLIPSIS;
  if (options.Ellipsis == TEllipsis::Path) style |= SS_PATHELLIPSIS;
  if (options.Alignment == TAlignment::Right) return style | SS_RIGHT;
  return style | (options.WordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
}

}  // namespace

TLabel::TLabel(TWinControl& parent, const TLabelOptions& options, const TDesign& design)
    : alignment_(options.Alignment), autoSize_(options.AutoSize), wordWrap_(options.WordWrap), cursor_(options.Cursor) {
  CreateHandle(L"STATIC", StyleOf(options), 0, parent.Handle(), options.Caption, design);
  if (options.Font) {
    SetFont(*options.Font);
    AdjustSize();
  }
  OnClick = options.OnClick;
}

void TLabel::SetCaption(std::string_view caption) {
  SetText(caption);
  AdjustSize();
}

void TLabel::SetBounds(int left, int top, int width, int height) {
  TWinControl::SetBounds(left, top, width, height);
  AdjustSize();
}

void TLabel::SetTextColour(TColor colour) {
  TFont font = Font();
  font.Color = colour;
  SetFont(font);
  Invalidate();
}

void TLabel::AdjustSize() {
  if (!autoSize_) return;
  const TRect bounds = BoundsRect();
  const std::wstring text = Utf8ToWide(Text());
  if (wordWrap_) {
    const WindowTextMeasure measure(Handle());
    RECT area{0, 0, bounds.Width, 0};
    DrawTextW(measure.DC(), text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    TWinControl::SetBounds(bounds.Left, bounds.Top, bounds.Width, area.bottom);
    return;
  }
  // An empty label keeps the height of a line, so what aligns with it stays put.
  const WindowTextMeasure measure(Handle());
  const SIZE size{measure.Size(text).cx, measure.Size(L"Xg").cy};
  const int left = alignment_ == TAlignment::Right ? bounds.Right() - size.cx : bounds.Left;
  TWinControl::SetBounds(left, bounds.Top, size.cx, size.cy);
}

HBRUSH TLabel::ColourNotification(HDC dc) {
  // Transparent on the parent's face colour, in the font's colour.
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColourRef(Font().Color));
  return GetSysColorBrush(COLOR_BTNFACE);
}

void TLabel::CommandNotification(WORD code) {
  if (code == STN_CLICKED) DoClick();
}

LRESULT TLabel::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETCURSOR && cursor_ == TCursor::HandPoint && LOWORD(lParam) == HTCLIENT) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

void TLabel::DoClick() {
  if (OnClick) OnClick(*this);
}

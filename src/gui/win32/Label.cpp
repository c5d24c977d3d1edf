#include "gui/win32/Label.h"

#include "gui/win32/Win32Canvas.h"
#include "win32/WideText.h"

TLabel::TLabel(TWinControl& parent, TAlignment alignment, bool autoSize)
    : alignment_(alignment), autoSize_(autoSize) {
  // SS_NOTIFY: the label takes the mouse, so its hint can show.
  CreateHandle(L"STATIC",
               WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_NOPREFIX | (alignment == TAlignment::Right ? SS_RIGHT : SS_LEFT),
               0, parent.Handle());
}

void TLabel::SetCaption(std::string_view caption) {
  SetText(caption);
  AdjustWidth();
}

void TLabel::SetTextColour(TColor colour) {
  hasColour_ = true;
  colour_ = colour;
  Invalidate();
}

void TLabel::AdjustWidth() {
  if (!autoSize_) return;
  const SIZE size = WindowTextMeasure(Handle()).Size(Utf8ToWide(Text()));
  const int right = Left() + Width();
  if (alignment_ == TAlignment::Right) SetBounds(right - size.cx, Top(), size.cx, size.cy);
  else SetBounds(Left(), Top(), size.cx, size.cy);
}

HBRUSH TLabel::ColourNotification(HDC dc) {
  // Transparent on the parent's face colour, in its own text colour.
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, hasColour_ ? ColourRef(colour_) : GetSysColor(COLOR_BTNTEXT));
  return GetSysColorBrush(COLOR_BTNFACE);
}

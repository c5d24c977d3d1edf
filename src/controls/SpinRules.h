#pragma once

#include <cstdint>
#include <string_view>

#include "gui/Layout.h"

// The rules of the spin edit, a field for a whole number with up and down arrows.

// `value` within the bounds; equal bounds mean no bounds at all.
int32_t ClampValue(int32_t value, int32_t minValue, int32_t maxValue);
// The value after one step of `increment` (negative steps down), clamped. Without
// bounds it stops at the ends of the 32-bit range rather than wrap around.
int32_t SteppedValue(int32_t value, int32_t increment, int32_t minValue, int32_t maxValue);
// What the field's text reads as: a whole number, or the lower bound for anything else
// (an empty text, a lone sign, a decimal fraction).
int32_t ValueOfText(std::string_view text, int32_t minValue);

// Whether a typed character may go into the field: signs, digits, the locale's
// decimal separator, and control characters but Enter. With the editor disabled only
// control characters other than Backspace pass.
bool AcceptsChar(char16_t key, char16_t decimalSeparator, bool editorEnabled);

// The smallest height the field may have: its font's height, a quarter of the smaller
// of that and the system font's, four borders and two pixels.
int MinimumHeight(int systemFontHeight, int fontHeight, int borderHeight);
// Where the text is written: left of the arrows, so it never runs under them.
TRect TextArea(TSize client, int arrowsWidth);
// Where the arrows sit in a field of `size` (outer, its 3-D border included).
TRect ArrowsBounds(TSize size, int arrowsWidth);

// The two arrows stacked in `size`, at least 15 wide; they overlap by one pixel.
struct TArrowLayout {
  TRect Up;
  TRect Down;
};
TArrowLayout LayoutArrows(TSize size);

// Auto-repeat: the first repeat comes this long after the press, the others this often.
inline constexpr unsigned kFirstRepeatMs = 400;
inline constexpr unsigned kRepeatMs = 100;

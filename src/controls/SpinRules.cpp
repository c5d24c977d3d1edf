#include "controls/SpinRules.h"

#include <algorithm>
#include <limits>

#include "support/Numbers.h"

int32_t ClampValue(int32_t value, int32_t minValue, int32_t maxValue) {
  if (minValue == maxValue) return value;
  if (value < minValue) return minValue;
  if (value > maxValue) return maxValue;
  return value;
}

int32_t SteppedValue(int32_t value, int32_t increment, int32_t minValue, int32_t maxValue) {
  const int64_t stepped = std::clamp<int64_t>(int64_t{value} + increment, std::numeric_limits<int32_t>::min(),
                                              std::numeric_limits<int32_t>::max());
  return ClampValue(static_cast<int32_t>(stepped), minValue, maxValue);
}

int32_t ValueOfText(std::string_view text, int32_t minValue) { return StrToInt(text).value_or(minValue); }

bool AcceptsChar(char16_t key, char16_t decimalSeparator, bool editorEnabled) {
  constexpr char16_t kBackspace = 8;
  constexpr char16_t kEnter = 13;
  const bool accepted = key == u'+' || key == u'-' || (key >= u'0' && key <= u'9') || key == decimalSeparator ||
                        (key < 32 && key != kEnter);
  if (!accepted) return false;
  return editorEnabled || (key < 32 && key != kBackspace);
}

int MinimumHeight(int systemFontHeight, int fontHeight, int borderHeight) {
  return fontHeight + std::min(systemFontHeight, fontHeight) / 4 + 4 * borderHeight + 2;
}

TRect TextArea(TSize client, int arrowsWidth) { return {0, 0, client.Width - arrowsWidth - 2, client.Height + 1}; }

TRect ArrowsBounds(TSize size, int arrowsWidth) {
  // Within a field with a sunken 3-D border: clear of its right and bottom edges.
  return {size.Width - arrowsWidth - 5, 0, arrowsWidth, size.Height - 5};
}

TArrowLayout LayoutArrows(TSize size) {
  const int width = std::max(size.Width, 15);
  const int upHeight = size.Height / 2;
  return {{0, 0, width, upHeight}, {0, upHeight - 1, width, size.Height - upHeight + 1}};
}

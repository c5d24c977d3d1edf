#pragma once

#include <optional>
#include <string>

#include "gui/CaptionView.h"
#include "gui/win32/framework/WinControl.h"

enum class TAlignment { Left, Right };
// How a text too long for a label that does not size itself is cut.
enum class TEllipsis { None, End, Path };
enum class TCursor { Default, HandPoint };

struct TLabelOptions {
  std::string Caption;
  TAlignment Alignment = TAlignment::Left;
  // Takes the size of its text: a left-aligned label keeps its left edge, a
  // right-aligned one its right edge; a word-wrapped one keeps its width.
  bool AutoSize = true;
  bool WordWrap = false;
  TEllipsis Ellipsis = TEllipsis::None;
  std::optional<TFont> Font;  // its own; none takes its parent's
  TCursor Cursor = TCursor::Default;  // over the label
  TNotifyEvent OnClick;
};

// Text on a form, in the label's font and font colour, on the parent's face colour.
class TLabel : public TWinControl, public TCaptionView {
 public:
  TLabel(TWinControl& parent, const TLabelOptions& options = {}, const TDesign& design = {});
  void SetCaption(std::string_view caption) override;
  TComponent& Component() override { return *this; }
  std::string Caption() const { return Text(); }
  void SetBounds(int left, int top, int width, int height) override;
  void SetTextColour(TColor colour);

  TNotifyEvent OnClick;

 protected:
  HBRUSH ColourNotification(HDC dc) override;
  void CommandNotification(WORD code) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  virtual void DoClick();

 private:
  void AdjustSize();
  const TAlignment alignment_;
  const bool autoSize_;
  const bool wordWrap_;
  const TCursor cursor_;
};

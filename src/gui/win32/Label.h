#pragma once

#include "gui/win32/WinControl.h"

enum class TAlignment { Left, Right };

// A line of text. With AutoSize it takes the width of its text, keeping its left edge
// (left-aligned) or its right edge (right-aligned) where it was.
class TLabel : public TWinControl {
 public:
  TLabel(TWinControl& parent, TAlignment alignment = TAlignment::Left, bool autoSize = true);
  void SetCaption(std::string_view caption);
  std::string Caption() const { return Text(); }
  // Text colour; none keeps the system's.
  void SetTextColour(TColor colour);

 protected:
  HBRUSH ColourNotification(HDC dc) override;

 private:
  void AdjustWidth();
  TAlignment alignment_;
  bool autoSize_;
  bool hasColour_ = false;
  TColor colour_ = 0;
};

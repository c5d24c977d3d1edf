#pragma once

enum class TMouseButton { Left, Right, Middle };

struct TShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Double = false;  // the press of a double-click
};

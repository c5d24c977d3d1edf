#pragma once

#include <string>

#include "gui/Colour.h"

// A font as controls and canvases take it: face, size in points, colour code, style.
struct TFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;  // points; 11 pixels high at 96 dots per inch
  TColor Color = clWindowText;
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;

  bool operator==(const TFont&) const = default;
};

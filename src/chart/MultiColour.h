#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "gui/Colour.h"
#include "gui/GraphicControl.h"

// The six colours the program's charts are designed with.
inline constexpr std::string_view kDesignPalette = "$00E0E0FF,$00E0FFFF,$00E0FFE0,$00FFFFE0,$00FFE0E0,$00FFE0FF";

// A graphic control with a palette of up to eight colours, used from slot 0 on and
// again from slot 0 after NumColours slots. The palette has a text form, such as
// "$00E0E0FF,$00E0FFFF", that form layouts and the settings store.
class TMultiColourControl : public TGraphicControl {
 public:
  static constexpr int kMaxColours = 8;

  TMultiColourControl(GraphicHost& host, const TDesign& design);

  // Slots in use, counted from 0: 1 to 8, or 0 after an empty or unreadable text.
  int NumColours() const { return numColours_; }
  // 1 to 8 takes effect and repaints; anything else is ignored.
  void SetNumColours(int count);

  // The palette; owners may read and write slots directly (no repaint, no event).
  std::array<TColor, kMaxColours> ColourTable{};

  // The slots in use as "$" and eight upper-case hex digits each, joined by commas.
  std::string Colours() const;
  // Reads a comma text into the palette: up to eight items, each decimal or "$" hex.
  // An unreadable item leaves NumColours 0, with no repaint and no event.
  void SetColours(std::string_view text);

  // The built-in eight colours into slots 0 to 7; NumColours stays.
  void SetDefaultColours();

  // Fired after the palette was set from text.
  TNotifyEvent OnColourChange;

 private:
  int numColours_ = 6;
};

// Splits a comma text as the settings and form layouts write it: items end at a comma
// or a blank, blanks around items are skipped, an item in double quotes may hold both
// (a doubled quote stands for one), two commas in a row give an empty item, and a
// comma at the very end adds nothing.
std::vector<std::string> SplitCommaText(std::string_view text);

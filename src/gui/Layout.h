#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "gui/Dpi.h"

struct TSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TSize&) const = default;
};

// Left, top, width and height, in pixels of the parent's client area.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  int Right() const { return Left + Width; }
  int Bottom() const { return Top + Height; }
  bool operator==(const TRect&) const = default;
};

// Which edges of its parent a control keeps its distance to when the parent resizes.
// Left and right together stretch it; right alone moves it; likewise top and bottom.
enum TAnchor : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;
constexpr TAnchors kTopLeft = akLeft | akTop;
constexpr TAnchors kAllSides = akLeft | akTop | akRight | akBottom;

// Anything a layout can place.
class TPlaced {
 public:
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  // Where it is: one that sizes itself to its text may not keep the bounds it was given.
  virtual TRect Bounds() const = 0;
  // What it lies in, so that a layout compares only neighbours; none for a window of
  // its own.
  virtual const TPlaced* Container() const = 0;
  // A frame holds the controls that lie in it.
  virtual bool IsFrame() const { return false; }

 protected:
  ~TPlaced() = default;
};

// Where a control goes along an edge of its window, whatever the window's size.
enum class TAlign { None, Top, Bottom };

// A control as designed: where it lies in its parent (design pixels, 96 dots per inch;
// none for one its parent places itself), the edges of the form it keeps its distance
// to or the edge it lines, whether it starts enabled and shown, and the hint it shows
// while the mouse rests on it. A control made later lies over those made before it and
// comes after them in the Tab order, unless it is made to lie over them all.
struct TDesign {
  TRect Bounds;
  TAnchors Anchors = kTopLeft;
  TAlign Align = TAlign::None;
  bool Enabled = true;
  bool Visible = true;
  bool OverSiblings = false;  // over every sibling, and first in the Tab order
  std::string Hint;
};

// Where a control designed at `design` (design pixels, 96 dots per inch) goes when its
// form, designed with the client size `designClient`, has the client size `client`
// (screen pixels): scaled, then moved or stretched by the growth beyond the scaled
// design for the edges it is anchored to. Controls inside containers follow the form's
// growth too, which is right as long as their containers stretch with it. One aligned
// to an edge takes the whole width there, in its designed height.
TRect PlacedBounds(const TDesign& design, TSize designClient, TSize client, const DpiScale& scale);

// One control of a form's layout.
struct TLayoutRow {
  std::reference_wrapper<TPlaced> Control;
  TDesign Design;
};

// The layout of a form, collected from its controls as they are made: each placed as
// designed. Texts drawn in the fonts at hand may need more room than designed; once
// all are placed, a control that runs into the next one designed on its line moves
// that one's column (what its window has designed at the same left edge) to the right,
// as far as a small gap asks, and a frame widens to hold what lies in it, as far right
// of it as the margin on its left.
class TLayout {
 public:
  explicit TLayout(TSize designClient) : designClient_(designClient) {}
  // Takes a control as designed and places it at once.
  void Add(TPlaced& control, const TDesign& design, TSize client, const DpiScale& scale);
  // Places every control again, then makes room for texts.
  void Apply(TSize client, const DpiScale& scale) const;

 private:
  // One round of each rule; whether anything moved.
  bool MoveColumns(const DpiScale& scale) const;
  bool WidenFrames() const;

  TSize designClient_;
  std::vector<TLayoutRow> rows_;
};

// Where a box of `size` sits centred in `area`.
TRect Centred(TSize size, const TRect& area);

// The bounds of item `index` of `count` choices stacked in a radio group of `group`
// size, below a caption `captionHeight` high: the height left is shared evenly.
TRect RadioItemBounds(TSize group, int count, int index, int captionHeight, const DpiScale& scale);

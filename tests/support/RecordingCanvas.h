#pragma once

#include <string>
#include <vector>

#include "gui/Canvas.h"

// A canvas that writes down what is drawn on it, with the pen, brush and font in force.
// Text is 6 pixels a character wide and 13 high.
class RecordingCanvas : public TCanvas {
 public:
  struct Op {
    // "Ellipse", "MoveTo", "LineTo", "Pie", "FillRect", "Edge", "Focus", "Glyph", "TextOut", "Composed"
    std::string Kind;
    std::vector<int> Args;
    std::string Text;
    TPenStyle Style = TPenStyle::Solid;
    TColor Brush = 0;
    TFont Font;
    bool Transparent = false;
  };

  std::vector<Op> Ops;

  // The operations of one kind, in order.
  std::vector<Op> OfKind(const std::string& kind) const;

  void Ellipse(int x1, int y1, int x2, int y2) override { Record("Ellipse", {x1, y1, x2, y2}); }
  void MoveTo(int x, int y) override { Record("MoveTo", {x, y}); }
  void LineTo(int x, int y) override { Record("LineTo", {x, y}); }
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) override {
    Record("Pie", {x1, y1, x2, y2, x3, y3, x4, y4});
  }
  void FillRect(const TRect& a) override { Record("FillRect", {a.Left, a.Top, a.Width, a.Height}); }
  void DrawEdge(const TRect& a, TEdge edge) override {
    Record("Edge", {a.Left, a.Top, a.Width, a.Height}, edge == TEdge::Raised ? "raised" : "sunken");
  }
  void DrawFocusRect(const TRect& a) override { Record("Focus", {a.Left, a.Top, a.Width, a.Height}); }
  void DrawGlyph(int x, int y, const TBitmapImage& image) override {
    Record("Glyph", {x, y, image.Width, image.Height});
  }
  void TextOut(int x, int y, std::string_view text) override { Record("TextOut", {x, y}, std::string(text)); }
  int TextWidth(std::string_view text) override { return 6 * static_cast<int>(text.size()); }
  int TextHeight(std::string_view) override { return 13; }
  bool SetTransparentText(bool transparent) override {
    const bool previous = transparent_;
    transparent_ = transparent;
    return previous;
  }
  // The composed picture's operations follow a "Composed" entry, drawn with a canvas
  // state of their own, as on a fresh metafile.
  void DrawComposed(int x, int y, int width, int height, const std::function<void(TCanvas&)>& draw) override;

 private:
  void Record(const char* kind, std::vector<int> args, std::string text = {});
  bool transparent_ = false;
};

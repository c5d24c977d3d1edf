#include "chart/PieChart.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kSmallestDrawnSweep = 0.007;     // radians; the first smaller entry ends a pass
constexpr double kSmallestLabelledSweep = 0.13;  // radians
constexpr int kRimDistance = 1000;               // rim points only give directions

// To the nearest integer, halves to the even one.
int Round(double x) { return static_cast<int>(std::nearbyint(x)); }

// The angle of (dx, dy) in [0, 2 pi), counter-clockwise from the right, y upwards;
// straight up at the very centre.
double AngleOf(double dx, double dy) {
  if (dx == 0) return dy >= 0 ? std::numbers::pi / 2 : 3 * std::numbers::pi / 2;
  const double angle = std::atan(std::fabs(dy / dx));
  if (dx > 0) return dy >= 0 ? angle : kTwoPi - angle;
  return dy >= 0 ? std::numbers::pi - angle : std::numbers::pi + angle;
}

}  // namespace

TPieChart::TPieChart(GraphicHost& host, const TPieChartOptions& options, const TDesign& design)
    : TMultiColourControl(host, design),
      ListBox(options.ListBox),
      OnDblClick(options.OnDblClick),
      OnRightClick(options.OnRightClick) {}

void TPieChart::LoadFromList(const std::vector<TPieLine>& lines) {
  if (ListBox) ListBox->Clear();
  auto items = std::make_shared<TStringListWithDouble>();
  size_t textLength = 0;
  for (const TPieLine& line : lines) textLength += line.Text.size();
  items->Reserve(lines.size(), textLength);
  double total = 0;
  for (const TPieLine& line : lines) {
    if (line.Value) {
      total += *line.Value;
      items->Add(TrimmedPieLine(line.Text), {line.Object, *line.Value});
    } else if (const std::optional<ParsedPieLine> parsed = ParsePieLine(line.Text)) {
      total += parsed->Value;
      items->Add(parsed->Trimmed, {line.Object, parsed->Value});
    }
  }
  items->SortByValue();
  items_ = std::move(items);
  total_ = total;
  if (ListBox && !items_->Empty()) ListBox->ShowLines(items_);
  Invalidate();
}

void TPieChart::Clear() {
  items_ = std::make_shared<TStringListWithDouble>();
  if (ListBox) ListBox->Clear();
  Invalidate();
}

bool TPieChart::HitTest() {
  // Strictly inside the ellipse inscribed in the control: on a square control, closer
  // to the centre than half its width. Integers, so a point on the rim is never in.
  const int64_t dx = mouseX_ - Width() / 2;
  const int64_t dy = Height() / 2 - mouseY_;
  const int64_t rx = Width() / 2;
  const int64_t ry = Height() / 2;
  if (rx <= 0 || ry <= 0 || dx * dx * ry * ry + dy * dy * rx * rx >= rx * rx * ry * ry) return false;
  if (items_->Empty() || !(total_ > 0)) return false;
  const double theta = AngleOf(static_cast<double>(dx), static_cast<double>(dy));
  double a0 = 0;
  for (int i = 0; i < items_->Count(); ++i) {
    const double a1 = a0 + kTwoPi * items_->Item(i).Value / total_;
    if (a0 < theta && theta < a1) {
      selectedObject_ = items_->Item(i).Obj;
      selectedText_ = PieLineName(items_->Line(i));
      return true;
    }
    a0 = a1;
  }
  return false;
}

void TPieChart::Paint(TCanvas& target) {
  const int w = Width();
  const int h = Height();
  target.DrawComposed(1, 1, w, h, [&](TCanvas& canvas) {
    const int cx = w / 2;
    const int cy = h / 2;
    canvas.PenColor = clBlack;
    canvas.BrushColor = GhostColour;
    canvas.PenStyle = TPenStyle::Dot;
    canvas.Ellipse(1, 1, w - 1, h - 1);
    canvas.MoveTo(cx, cy);
    canvas.LineTo(w - 2, cy);
    canvas.PenStyle = TPenStyle::Solid;
    if (total_ > 0) {
      PaintPass(canvas, Pass::Segments);
      canvas.Font = Font;
      PaintPass(canvas, Pass::Labels);
    }
  });
}

void TPieChart::PaintPass(TCanvas& canvas, Pass pass) {
  const int cx = Width() / 2;
  const int cy = Height() / 2;
  double a0 = 0;
  int px = cx + kRimDistance;
  int py = cy;
  int colourIndex = 0;
  for (int i = 0; i < items_->Count(); ++i) {
    const double value = items_->Item(i).Value;
    if (value == 0) continue;
    const double sweep = kTwoPi * value / total_;
    if (sweep <= kSmallestDrawnSweep) break;  // sorted: the rest are as small
    const double a1 = a0 + sweep;
    const int qx = Round(std::cos(a1) * kRimDistance) + cx;
    const int qy = cy - Round(std::sin(a1) * kRimDistance);
    if (pass == Pass::Segments) DrawSegment(canvas, i, colourIndex, px, py, qx, qy);
    else if (sweep > kSmallestLabelledSweep) DrawLabel(canvas, i, a0, a1);
    a0 = a1;
    px = qx;
    py = qy;
  }
}

void TPieChart::DrawSegment(TCanvas& canvas, int entry, int& colourIndex, int px, int py, int qx, int qy) {
  if (IsGhostLine(items_->Line(entry)) || NumColours() == 0) {
    canvas.BrushColor = GhostColour;
  } else {
    canvas.BrushColor = ColourTable[colourIndex];
  }
  // Ghost segments use up a colour too; without a palette there is nothing to count.
  if (NumColours() > 0) colourIndex = (colourIndex + 1) % NumColours();
  canvas.Pie(0, 0, Width(), Height(), px, py, qx, qy);
}

void TPieChart::DrawLabel(TCanvas& canvas, int entry, double a0, double a1) {
  const std::string label = PieLineName(items_->Line(entry));
  if (label.empty()) return;
  const bool wasTransparent = canvas.SetTransparentText(true);
  const int cx = Width() / 2;
  const int cy = Height() / 2;
  const int r = std::min(Width(), Height()) / 2;
  const int hw = canvas.TextWidth(label) / 2;
  const int hh = canvas.TextHeight(label) / 2;
  const double middle = (a0 + a1) / 2;
  // Centred on the rim first, then pulled in by as much as its farthest corner sticks out.
  const int px = Round(std::cos(middle) * r) + cx;
  const int py = cy - Round(std::sin(middle) * r);
  int farthest = 0;
  for (const int cornerX : {px - hw, px + hw})
    for (const int cornerY : {py - hh, py + hh}) {
      const double dx = cornerX - cx;
      const double dy = cornerY - cy;
      farthest = std::max(farthest, Round(std::sqrt(dx * dx + dy * dy)));
    }
  const int r2 = 2 * r - farthest;
  const int x = Round(std::cos(middle) * r2) + cx;
  const int y = cy - Round(std::sin(middle) * r2);
  canvas.TextOut(x - hw, y - hh, label);
  canvas.SetTransparentText(wasTransparent);
}

void TPieChart::MouseDown(TMouseButton, TShiftState, int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
}

void TPieChart::MouseUp(TMouseButton button, TShiftState, int, int) {
  if (button == TMouseButton::Right && OnRightClick && HitTest()) OnRightClick(*this);
}

void TPieChart::DblClick() {
  if (OnDblClick && HitTest()) OnDblClick(*this);
}

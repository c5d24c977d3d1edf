#include "gui/Layout.h"

#include <algorithm>
#include <map>
#include <utility>

namespace {

// The least room between two controls side by side, in design pixels, where the
// design left more.
constexpr int kLeastGap = 4;

// One axis: where a control starting at `start` with `length` goes when its parent
// grew by `growth`.
void Follow(int& start, int& length, bool nearEdge, bool farEdge, int growth) {
  if (farEdge && nearEdge) length = std::max(0, length + growth);
  else if (farEdge) start += growth;
}

}  // namespace

TRect PlacedBounds(const TDesign& design, TSize designClient, TSize client, const DpiScale& scale) {
  const TRect& bounds = design.Bounds;
  switch (design.Align) {
    case TAlign::Top: return {0, 0, client.Width, scale(bounds.Height)};
    case TAlign::Bottom: return {0, client.Height - scale(bounds.Height), client.Width, scale(bounds.Height)};
    case TAlign::None: break;
  }
  TRect placed{scale(bounds.Left), scale(bounds.Top), scale(bounds.Width), scale(bounds.Height)};
  const TAnchors anchors = design.Anchors;
  Follow(placed.Left, placed.Width, anchors & akLeft, anchors & akRight, client.Width - scale(designClient.Width));
  Follow(placed.Top, placed.Height, anchors & akTop, anchors & akBottom, client.Height - scale(designClient.Height));
  return placed;
}

void TLayout::Add(TPlaced& control, const TDesign& design, TSize client, const DpiScale& scale) {
  rows_.push_back({control, design});
  const TRect at = PlacedBounds(design, designClient_, client, scale);
  control.SetBounds(at.Left, at.Top, at.Width, at.Height);
}

void TLayout::Apply(TSize client, const DpiScale& scale) const {
  for (const TLayoutRow& row : rows_) {
    const TRect at = PlacedBounds(row.Design, designClient_, client, scale);
    row.Control.get().SetBounds(at.Left, at.Top, at.Width, at.Height);
  }
  // Frames inside frames settle from the inside out, a round each; there are fewer
  // levels than rows.
  for (size_t round = 0; round < rows_.size(); ++round) {
    const bool moved = MoveColumns(scale);
    if (!WidenFrames() && !moved) break;
  }
}

bool TLayout::MoveColumns(const DpiScale& scale) const {
  std::vector<const TPlaced*> windows;
  std::vector<TRect> placed;
  for (const TLayoutRow& row : rows_) {
    windows.push_back(row.Control.get().Container());
    placed.push_back(row.Control.get().Bounds());
  }
  // How far each column (the controls of a window designed at one left edge) must move
  // right to clear the control before it on any of its lines.
  std::map<std::pair<const TPlaced*, int>, int> shifts;
  for (size_t first = 0; first < rows_.size(); ++first)
    for (size_t next = 0; next < rows_.size(); ++next) {
      const TRect& before = rows_[first].Design.Bounds;
      const TRect& after = rows_[next].Design.Bounds;
      const bool onItsLine = before.Top < after.Bottom() && after.Top < before.Bottom();
      if (first == next || windows[first] != windows[next] || !onItsLine || after.Left < before.Right()) continue;
      const int gap = std::min(scale(after.Left - before.Right()), scale(kLeastGap));
      int& shift = shifts[{windows[next], after.Left}];
      shift = std::max(shift, placed[first].Right() + gap - placed[next].Left);
    }
  bool moved = false;
  for (size_t i = 0; i < rows_.size(); ++i) {
    const auto shift = shifts.find({windows[i], rows_[i].Design.Bounds.Left});
    if (shift == shifts.end() || shift->second <= 0) continue;
    // One that stretches with its window keeps its right edge.
    const TAnchors anchors = rows_[i].Design.Anchors;
    const bool stretches = (anchors & akLeft) && (anchors & akRight);
    const TRect& at = placed[i];
    rows_[i].Control.get().SetBounds(at.Left + shift->second, at.Top,
                                     stretches ? at.Width - shift->second : at.Width, at.Height);
    moved = true;
  }
  return moved;
}

bool TLayout::WidenFrames() const {
  bool moved = false;
  for (const TLayoutRow& frame : rows_) {
    if (!frame.Control.get().IsFrame()) continue;
    int margin = -1, right = 0;
    for (const TLayoutRow& held : rows_)
      if (held.Control.get().Container() == &frame.Control.get()) {
        const TRect at = held.Control.get().Bounds();
        margin = margin < 0 ? at.Left : std::min(margin, at.Left);
        right = std::max(right, at.Right());
      }
    const TRect at = frame.Control.get().Bounds();
    if (margin < 0 || right + margin <= at.Width) continue;
    frame.Control.get().SetBounds(at.Left, at.Top, right + margin, at.Height);
    moved = true;
  }
  return moved;
}

TRect Centred(TSize size, const TRect& area) {
  return {area.Left + (area.Width - size.Width) / 2, area.Top + (area.Height - size.Height) / 2, size.Width,
          size.Height};
}

TRect RadioItemBounds(TSize group, int count, int index, int captionHeight, const DpiScale& scale) {
  const int margin = scale(8);
  const int top = captionHeight + scale(2);
  const int share = count > 0 ? std::max(0, group.Height - top - scale(4)) / count : 0;
  return {margin, top + index * share, std::max(0, group.Width - 2 * margin), share};
}

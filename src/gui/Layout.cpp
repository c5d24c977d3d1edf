#include "gui/Layout.h"

#include <algorithm>

namespace {

// One axis: where a control starting at `start` with `length` goes when its parent
// grew by `growth`.
void Follow(int& start, int& length, bool nearEdge, bool farEdge, int growth) {
  if (farEdge && nearEdge) length = std::max(0, length + growth);
  else if (farEdge) start += growth;
}

}  // namespace

TRect PlacedBounds(const TRect& design, TAnchors anchors, TSize designClient, TSize client, const DpiScale& scale) {
  TRect placed{scale(design.Left), scale(design.Top), scale(design.Width), scale(design.Height)};
  Follow(placed.Left, placed.Width, anchors & akLeft, anchors & akRight, client.Width - scale(designClient.Width));
  Follow(placed.Top, placed.Height, anchors & akTop, anchors & akBottom, client.Height - scale(designClient.Height));
  return placed;
}

TLayout::TLayout(TSize designClient, std::vector<TLayoutRow> rows)
    : designClient_(designClient), rows_(std::move(rows)) {}

void TLayout::Apply(TSize client, const DpiScale& scale) const {
  for (const TLayoutRow& row : rows_) {
    const TRect at = PlacedBounds(row.Design, row.Anchors, designClient_, client, scale);
    row.Control.get().SetBounds(at.Left, at.Top, at.Width, at.Height);
  }
}

void TLayout::Override(const std::vector<TLayoutRow>& rows) {
  for (const TLayoutRow& row : rows) {
    const auto same = std::find_if(rows_.begin(), rows_.end(),
                                   [&](const TLayoutRow& held) { return &held.Control.get() == &row.Control.get(); });
    if (same == rows_.end()) rows_.push_back(row);
    else *same = row;
  }
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

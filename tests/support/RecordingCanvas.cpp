#include "RecordingCanvas.h"

std::vector<RecordingCanvas::Op> RecordingCanvas::OfKind(const std::string& kind) const {
  std::vector<Op> found;
  for (const Op& op : Ops)
    if (op.Kind == kind) found.push_back(op);
  return found;
}

void RecordingCanvas::DrawComposed(int x, int y, int width, int height,
                                   const std::function<void(TCanvas&)>& draw) {
  Record("Composed", {x, y, width, height});
  RecordingCanvas picture;
  draw(picture);
  Ops.insert(Ops.end(), picture.Ops.begin(), picture.Ops.end());
}

void RecordingCanvas::Record(const char* kind, std::vector<int> args, std::string text) {
  Ops.push_back({kind, std::move(args), std::move(text), PenStyle, BrushColor, Font, transparent_});
}

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "chart/MultiColour.h"
#include "chart/PieEntries.h"
#include "gui/ItemList.h"

// A pie chart of text lines that each begin with a number. It sorts the lines by
// value, has its companion list show them in that order, labels the larger
// segments with the text after the number, and reports the segment under the mouse
// on a double-click or a right-button release.
struct TPieChartOptions {
  TItemList* ListBox = nullptr;  // companion list, not owned
  TNotifyEvent OnDblClick;
  TNotifyEvent OnRightClick;
};

class TPieChart : public TMultiColourControl {
 public:
  TPieChart(GraphicHost& host, const TPieChartOptions& options, const TDesign& design = {});

  // Replaces the content: reads each line's value (from its text when not given),
  // sorts, lists and repaints. Lines without a value whose number does not parse are
  // left out.
  void LoadFromList(const std::vector<TPieLine>& lines);
  // Empties the chart and its list; Total stays.
  void Clear();

  // Whether the last press point lies on a segment; then selects that entry.
  bool HitTest();

  void Paint(TCanvas& canvas) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void DblClick() override;

  const TStringListWithDouble& Items() const { return *items_; }
  double Total() const { return total_; }
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  void* SelectedObject() const { return selectedObject_; }
  const std::string& SelectedText() const { return selectedText_; }

  TItemList* ListBox = nullptr;  // companion list, not owned
  TColor GhostColour = clSilver;  // the background disc and "-" entries
  TNotifyEvent OnDblClick;
  TNotifyEvent OnRightClick;

 private:
  enum class Pass { Segments, Labels };
  void PaintPass(TCanvas& canvas, Pass pass);
  void DrawSegment(TCanvas& canvas, int entry, int& colourIndex, int px, int py, int qx, int qy);
  void DrawLabel(TCanvas& canvas, int entry, double a0, double a1);

  std::shared_ptr<TStringListWithDouble> items_ = std::make_shared<TStringListWithDouble>();  // shared with the list
  double total_ = 0;
  int mouseX_ = 0;
  int mouseY_ = 0;
  void* selectedObject_ = nullptr;
  std::string selectedText_;
};

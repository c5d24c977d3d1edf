#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "FakeGraphicHost.h"
#include "RecordingCanvas.h"
#include "chart/PieChart.h"

namespace {

using Lines = std::vector<std::string>;

// A list control that writes down what it is asked to do, and the lines it is shown.
class ListRecorder : public TItemList {
 public:
  void Clear() override { Calls.push_back("clear"); }
  void ShowLines(std::shared_ptr<const TItemSource> lines) override {
    std::string call = "show";
    for (int i = 0; i < lines->Count(); ++i) {
      call += " | ";
      call += lines->Text(i);
      Objects.push_back(lines->Object(i));
    }
    Calls.push_back(call);
    Shown = std::move(lines);
  }
  std::vector<std::string> Calls;
  std::vector<void*> Objects;
  std::shared_ptr<const TItemSource> Shown;
};

class PieChart : public ::testing::Test {
 protected:
  void Load(const Lines& texts, int width = 200, int height = 200) {
    chart.SetBounds(0, 0, width, height);
    std::vector<TPieLine> lines;
    for (size_t i = 0; i < texts.size(); ++i) lines.push_back({texts[i], &objects[i]});
    chart.LoadFromList(lines);
  }
  Lines Sorted() const {
    Lines lines;
    for (int i = 0; i < chart.Items().Count(); ++i) lines.emplace_back(chart.Items().Line(i));
    return lines;
  }
  RecordingCanvas Painted() {
    RecordingCanvas canvas;
    chart.Paint(canvas);
    return canvas;
  }
  // Presses at (x, y) and double-clicks; whether the chart reported a segment.
  bool DoubleClickAt(int x, int y) {
    int fired = 0;
    chart.OnDblClick = [&](TComponent& sender) {
      EXPECT_EQ(&sender, &chart);
      ++fired;
    };
    chart.MouseDown(TMouseButton::Left, {}, x, y);
    chart.DblClick();
    return fired == 1;
  }

  FakeGraphicHost host;
  TPieChart chart{host, {}};
  int objects[16] = {};
};

TEST(PieLine, ParsesTheNumberBeforeTheFirstBlank) {
  const auto line = ParsePieLine("1234   \\windows");
  ASSERT_TRUE(line);
  EXPECT_EQ(line->Value, 1234);
  EXPECT_EQ(PieLineName(line->Trimmed), "\\windows");
  const auto ghost = ParsePieLine("-20 Largest");
  ASSERT_TRUE(ghost);
  EXPECT_EQ(ghost->Value, 20);
  EXPECT_TRUE(IsGhostLine(ghost->Trimmed));
  EXPECT_EQ(PieLineName(ghost->Trimmed), "Largest");
  EXPECT_EQ(PieLineName(ParsePieLine("12").value().Trimmed), "");
  EXPECT_EQ(ParsePieLine("  5   a\r\n").value().Trimmed, "5   a");
  EXPECT_EQ(ParsePieLine("1.5e3 x").value().Value, 1500);
  for (const char* bad : {"abc def", "", "   ", "7\tx", "1,5 x", "- x"}) EXPECT_FALSE(ParsePieLine(bad)) << bad;
}

TEST_F(PieChart, LoadSkipsUnreadableLinesAndListsTrimmedLinesInSortedOrder) {
  ListRecorder list;
  chart.ListBox = &list;
  Load({"  5   a", "abc def", "-20 x", "7 b"});
  EXPECT_EQ(chart.Total(), 32);
  EXPECT_EQ(Sorted(), (Lines{"-20 x", "7 b", "5   a"}));
  EXPECT_EQ(list.Calls, (Lines{"clear", "show | -20 x | 7 b | 5   a"}));
  EXPECT_EQ(list.Objects, (std::vector<void*>{&objects[2], &objects[3], &objects[0]}));

  list.Calls.clear();
  chart.LoadFromList({{"nothing here", nullptr}});
  EXPECT_EQ(list.Calls, Lines{"clear"});
  EXPECT_EQ(list.Shown->Text(0), "-20 x");  // what the list still holds stays as it was
  EXPECT_EQ(chart.Total(), 0);
  // A value given is taken as it is, whatever the text says.
  chart.LoadFromList({{" x   given\r\n", &objects[1], 4.0}, {"2 b", &objects[0]}});
  EXPECT_EQ(Sorted(), (Lines{"x   given", "2 b"}));
  EXPECT_EQ(chart.Total(), 6);
  Load({"3 a"});
  list.Calls.clear();
  chart.Clear();
  EXPECT_EQ(chart.Items().Count(), 0);
  EXPECT_EQ(chart.Total(), 3);  // Clear leaves the total
  EXPECT_EQ(list.Calls, Lines{"clear"});
}

TEST_F(PieChart, SortsHugeLevelsWithoutDeepRecursion) {
  Lines lines;
  for (int i = 0; i < 200000; ++i) lines.push_back(std::to_string(i % 1000) + " x");
  chart.SetBounds(0, 0, 100, 100);
  std::vector<TPieLine> pieLines;
  for (const std::string& line : lines) pieLines.push_back({line, nullptr});
  chart.LoadFromList(pieLines);
  for (int i = 1; i < chart.Items().Count(); ++i)
    ASSERT_GE(chart.Items().Item(i - 1).Value, chart.Items().Item(i).Value);
}

TEST_F(PieChart, PaintsGhostDiscRadiusAndSegmentsOffScreen) {
  chart.GhostColour = 0x123456;
  Load({"3 a", "1 b"});
  const RecordingCanvas canvas = Painted();
  ASSERT_GE(canvas.Ops.size(), 4u);
  EXPECT_EQ(std::pair(canvas.Ops[0].Kind, canvas.Ops[0].Args),
            std::pair(std::string("Composed"), std::vector<int>{1, 1, 200, 200}));
  const auto& disc = canvas.Ops[1];
  EXPECT_EQ(std::pair(disc.Kind, disc.Args), std::pair(std::string("Ellipse"), std::vector<int>{1, 1, 199, 199}));
  EXPECT_TRUE(disc.Brush == 0x123456 && disc.Style == TPenStyle::Dot);
  EXPECT_EQ(std::pair(canvas.Ops[2].Args, canvas.Ops[3].Args), std::pair(std::vector{100, 100}, std::vector{198, 100}));
  EXPECT_EQ(canvas.Ops[3].Style, TPenStyle::Dot);

  const auto pies = canvas.OfKind("Pie");
  ASSERT_EQ(pies.size(), 2u);
  EXPECT_EQ(pies[0].Args, (std::vector<int>{0, 0, 200, 200, 1100, 100, 100, 1100}));
  EXPECT_EQ(pies[0].Brush, chart.ColourTable[0]);
  EXPECT_EQ(pies[0].Style, TPenStyle::Solid);
  EXPECT_EQ(pies[1].Args, (std::vector<int>{0, 0, 200, 200, 100, 1100, 1100, 100}));
  EXPECT_EQ(pies[1].Brush, chart.ColourTable[1]);
}

TEST_F(PieChart, PullsLabelsInsideTheDisc) {
  chart.Font.Name = "Label Font";
  Load({"3 a", "1 b"});
  const auto labels = Painted().OfKind("TextOut");
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(std::pair(labels[0].Text, labels[0].Args), std::pair(std::string("a"), std::vector<int>{31, 28}));
  EXPECT_EQ(std::pair(labels[1].Text, labels[1].Args), std::pair(std::string("b"), std::vector<int>{163, 160}));
  EXPECT_TRUE(labels[0].Transparent && labels[0].Font.Name == "Label Font");

  // One entry holding everything: the whole disc, labelled left of the centre.
  Load({"1 all"});
  auto canvas = Painted();
  EXPECT_EQ(canvas.OfKind("Pie")[0].Args, (std::vector<int>{0, 0, 200, 200, 1100, 100, 1100, 100}));
  EXPECT_EQ(canvas.OfKind("TextOut")[0].Args, (std::vector<int>{0, 94}));

  // Wider than tall: the ellipse fills the control, labels keep to half the height.
  Load({"1 all"}, 300, 200);
  canvas = Painted();
  EXPECT_EQ(canvas.OfKind("Ellipse")[0].Args, (std::vector<int>{1, 1, 299, 199}));
  EXPECT_EQ(canvas.OfKind("LineTo")[0].Args, (std::vector<int>{298, 100}));
  EXPECT_EQ(canvas.OfKind("Pie")[0].Args, (std::vector<int>{0, 0, 300, 200, 1150, 100, 1150, 100}));
  EXPECT_EQ(canvas.OfKind("TextOut")[0].Args, (std::vector<int>{50, 94}));
}

// With nothing to show, only the ghost disc is painted and nothing can be hit.
TEST_F(PieChart, SmallEntriesAreNeitherDrawnNorLabelledAndEndBothPasses) {
  // Of 1000: 1.12 is just above the 0.007 radian sweep, 1.11 just below; 20.8 is just
  // above the 0.13 radian label threshold, 20.6 just below.
  Load({"900 big", "56.37 filler", "20.8 labelled", "20.6 unlabelled", "1.12 drawn", "1.11 tiny", "0 .."});
  EXPECT_EQ(chart.Items().Count(), 7);
  const RecordingCanvas canvas = Painted();
  EXPECT_EQ(canvas.OfKind("Pie").size(), 5u);
  Lines labels;
  for (const auto& op : canvas.OfKind("TextOut")) labels.push_back(op.Text);
  EXPECT_EQ(labels, (Lines{"big", "filler", "labelled"}));

  Load({"0 ..", "0 x"});
  const RecordingCanvas nothing = Painted();
  EXPECT_TRUE(nothing.OfKind("Ellipse").size() == 1 && nothing.OfKind("Pie").empty());
  EXPECT_FALSE(DoubleClickAt(150, 50));
}

TEST_F(PieChart, CyclesColoursAndLetsGhostsUseAnIndex) {
  for (int i = 0; i < 8; ++i) chart.ColourTable[i] = 0x100 + i;
  chart.GhostColour = 0x999999;
  Load({"70 a", "60 b", "-50 g", "40 c", "30 d", "20 e", "15 f", "12 h"});
  std::vector<TColor> brushes;
  for (const auto& pie : Painted().OfKind("Pie")) brushes.push_back(pie.Brush);
  EXPECT_EQ(brushes, (std::vector<TColor>{0x100, 0x101, 0x999999, 0x103, 0x104, 0x105, 0x100, 0x101}));

  chart.SetColours("zz");  // an unreadable palette leaves no colours
  ASSERT_EQ(chart.NumColours(), 0);
  for (const auto& pie : Painted().OfKind("Pie")) EXPECT_EQ(pie.Brush, 0x999999);
}

TEST_F(PieChart, HitTestFindsTheEntryUnderThePressAndNoHitKeepsTheSelection) {
  Load({"1 a", "1 b", "1 c", "1 d"});  // sorted c, d, a, b: counter-clockwise from the right
  const std::vector<std::tuple<int, int, const char*>> presses = {
      {150, 50, "c"}, {50, 50, "d"}, {150, 150, "b"}, {50, 150, "a"},
      {100, 100, nullptr},  // the centre lies on the border at pi/2
      {150, 100, nullptr},  // the radius at angle 0
      {100, 50, nullptr},   // straight up: the border between c and d
      {100, 0, nullptr},    // on the rim
      {199, 199, nullptr},  // outside the disc
      {101, 1, "c"},        // just inside the rim
  };
  std::string selected;
  for (const auto& [x, y, name] : presses) {
    EXPECT_EQ(DoubleClickAt(x, y), name != nullptr) << x << "," << y;
    if (name) selected = name;
    EXPECT_EQ(chart.SelectedText(), selected) << x << "," << y;
  }
  EXPECT_EQ(chart.SelectedObject(), &objects[2]);

  Load({"1 only"}, 300, 100);  // within the ellipse, not the bounds
  for (const auto& [x, y, hit] : {std::tuple{150, 10, true}, {280, 40, true}, {10, 10, false}, {290, 50, false}})
    EXPECT_EQ(DoubleClickAt(x, y), hit) << x << "," << y;
}

TEST_F(PieChart, HitsEntriesTooSmallToDrawOrWithoutAName) {
  Load({"1000 big", "1 tiny"}, 1000, 1000);
  ASSERT_TRUE(Painted().OfKind("Pie").size() == 1);
  EXPECT_TRUE(DoubleClickAt(999, 501));  // just below the radius at angle 0
  EXPECT_EQ(chart.SelectedText(), "tiny");

  // An entry without a name is drawn unlabelled and selects an empty text.
  Load({"12", "4 x"});
  const RecordingCanvas canvas = Painted();
  EXPECT_EQ(canvas.OfKind("Pie").size(), 2u);
  EXPECT_EQ(canvas.OfKind("TextOut").size(), 1u);
  EXPECT_TRUE(DoubleClickAt(150, 50));
  EXPECT_EQ(chart.SelectedText(), "");
  EXPECT_EQ(chart.SelectedObject(), &objects[0]);
}

TEST_F(PieChart, RightClickReportsTheSegmentUnderThePressOnRelease) {
  Load({"1 a", "1 b", "1 c", "1 d"});
  int rightClicks = 0;
  chart.OnRightClick = [&](TComponent&) { ++rightClicks; };
  chart.MouseDown(TMouseButton::Right, {}, 50, 50);
  EXPECT_EQ(rightClicks, 0);
  chart.MouseUp(TMouseButton::Right, {}, 150, 150);  // released elsewhere
  EXPECT_EQ(rightClicks, 1);
  EXPECT_EQ(chart.SelectedText(), "d");
  chart.MouseDown(TMouseButton::Left, {}, 150, 50);
  chart.MouseUp(TMouseButton::Left, {}, 150, 50);
  EXPECT_EQ(rightClicks, 1);
  chart.MouseDown(TMouseButton::Right, {}, 199, 199);
  chart.MouseUp(TMouseButton::Right, {}, 150, 50);
  EXPECT_EQ(rightClicks, 1);
}

}  // namespace

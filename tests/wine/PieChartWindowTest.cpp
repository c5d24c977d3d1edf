#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "chart/PieChart.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/drawing/Win32Canvas.h"
#include "gui/win32/drawing/WindowImage.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Form.h"
#include "WindowQueries.h"

namespace {

constexpr int kChartLeft = 10;
constexpr int kChartTop = 10;
constexpr int kChartSize = 200;

// A window with a chart and its list, as the program lays them out.
class ChartWindow : public ::testing::Test {
 protected:
  ChartWindow() { list.SetBounds(230, 10, 180, 200); }

  void LoadAndShow(const std::vector<std::string>& texts) {
    std::vector<TPieLine> lines;
    for (size_t i = 0; i < texts.size(); ++i) lines.push_back({texts[i], &objects[i]});
    chart.LoadFromList(lines);
    form.Show();
    Application().ProcessMessages();
    UpdateWindow(form.Handle());
  }

  // The centre of the chart in the form's client area, and a point at an angle from it.
  POINT At(double angle, double radius) const {
    const int cx = kChartLeft + kChartSize / 2;
    const int cy = kChartTop + kChartSize / 2;
    return {cx + static_cast<int>(std::lround(std::cos(angle) * radius)),
            cy - static_cast<int>(std::lround(std::sin(angle) * radius))};
  }
  // The middle angle of the sorted entry with this name.
  double MiddleOf(const std::string& name) const {
    double a0 = 0;
    for (int i = 0; i < chart.Items().Count(); ++i) {
      const double a1 = a0 + 2 * std::numbers::pi * chart.Items().Item(i).Value / chart.Total();
      if (PieLineName(chart.Items().Line(i)) == name) return (a0 + a1) / 2;
      a0 = a1;
    }
    ADD_FAILURE() << "no entry " << name;
    return 0;
  }
  COLORREF PixelAt(POINT point) const {
    const WindowDC dc(form.Handle());
    return GetPixel(dc.Get(), point.x, point.y);
  }

  TFinalForm<TForm> form{TFormOptions{.Caption = "Chart test", .ClientSize = {420, 230}}};
  TListBox list{form};
  TPieChart chart{form, {.ListBox = &list}, {.Bounds = {kChartLeft, kChartTop, kChartSize, kChartSize}}};
  int objects[64] = {};
};

std::vector<std::string> SampleLines() {
  std::vector<std::string> lines{"40 big", "25 mid", "-15 ghost", "10 ten", "5 five", "3 three", "1.5 small"};
  for (int i = 0; i < 40; ++i) lines.push_back("0.1 tiny");  // each too small to draw
  return lines;
}

TEST_F(ChartWindow, PaintsSegmentsGhostsAndLabelsAndWrapsTheColours) {
  chart.GhostColour = RGB(192, 192, 192);
  LoadAndShow(SampleLines());

  const auto colourOf = [&](const char* name) { return PixelAt(At(MiddleOf(name), 60)); };
  EXPECT_EQ(colourOf("big"), ColourRef(chart.ColourTable[0]));
  EXPECT_EQ(colourOf("mid"), ColourRef(chart.ColourTable[1]));
  EXPECT_EQ(colourOf("ghost"), RGB(192, 192, 192));
  EXPECT_EQ(colourOf("ten"), ColourRef(chart.ColourTable[3]));  // the ghost used colour 2
  EXPECT_EQ(colourOf("three"), ColourRef(chart.ColourTable[5]));
  EXPECT_EQ(colourOf("small"), ColourRef(chart.ColourTable[0]));  // the seventh wraps round
  EXPECT_EQ(PixelAt(At(2 * std::numbers::pi - 0.1, 60)), RGB(192, 192, 192));  // undrawn tiny ones

  // The label of "big" lies about its middle ray, inside the disc: dark text pixels
  // there, none beyond the rim.
  const auto darkPixelsAbout = [&](double angle, int fromRadius, int toRadius) {
    int dark = 0;
    for (double a = angle - 0.15; a <= angle + 0.15; a += 0.01)
      for (int radius = fromRadius; radius < toRadius; ++radius) {
        const COLORREF pixel = PixelAt(At(a, radius));
        if (GetRValue(pixel) < 100 && GetGValue(pixel) < 100 && GetBValue(pixel) < 100) ++dark;
      }
    return dark;
  };
  EXPECT_GT(darkPixelsAbout(MiddleOf("big"), 62, 98), 0);
  EXPECT_EQ(darkPixelsAbout(MiddleOf("big"), 102, 110), 0);
}

// The list holds no lines of its own: it draws, reads out and finds the chart's.
TEST_F(ChartWindow, ListShowsTheChartsLinesOnScreenInPrintAndToOtherProgramsAndFindsThemByLetter) {
  int clicks = 0;
  list.OnClick = [&](TComponent&) { ++clicks; };
  LoadAndShow(SampleLines());
  const std::vector<std::string> lines = ListBoxLines(list.Handle());  // LB_GETTEXT, as a reader outside does
  ASSERT_EQ(lines.size(), 47u);
  EXPECT_EQ(std::vector(lines.begin(), lines.begin() + 3), (std::vector<std::string>{"40 big", "25 mid", "-15 ghost"}));
  EXPECT_EQ(std::pair(list.Item(46), list.Object(0)), std::pair(std::string("0.1 tiny"), static_cast<void*>(&objects[0])));

  // Typed letters go to the next line after the caret that starts with them, case aside.
  const auto type = [&](wchar_t key) {
    SendMessageW(list.Handle(), WM_CHAR, key, 1);
    return list.ItemIndex();
  };
  EXPECT_EQ(type(L'1'), 3);
  EXPECT_EQ(type(L'1'), 6);
  EXPECT_EQ(type(L'z'), 6);
  EXPECT_EQ(clicks, 2);
  RECT line{};
  SendMessageW(list.Handle(), LB_GETITEMRECT, 6, reinterpret_cast<LPARAM>(&line));
  EXPECT_EQ(list.ItemAt(line.left + 5, line.top + 1), 6);
  EXPECT_EQ(list.ItemAt(-1, line.top), -1);

  // The selected line in the system's highlight, the others in its window colours, on
  // screen and printed alike.
  list.SetItemIndex(0);
  UpdateWindow(list.Handle());
  const ClientImage image = RenderClientArea(form.Handle());
  const auto printed = [&](POINT at) {
    MapWindowPoints(list.Handle(), form.Handle(), &at, 1);
    const int stride = (image.Header.biWidth * 3 + 3) & ~3;
    const BYTE* pixel = &image.Pixels[(image.Header.biHeight - 1 - at.y) * stride + at.x * 3];
    return RGB(pixel[2], pixel[1], pixel[0]);
  };
  const WindowDC screen(list.Handle());
  for (const auto& pixelAt : std::vector<std::function<COLORREF(POINT)>>{
           printed, [&](POINT at) { return GetPixel(screen.Get(), at.x, at.y); }}) {
    const auto colours = [&](int index) {
      RECT area{};
      SendMessageW(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&area));
      std::vector<COLORREF> found;
      for (int y = area.top + 1; y < area.bottom - 1; ++y)
        for (int x = area.left + 1; x < area.right - 1; ++x) found.push_back(pixelAt({x, y}));
      return found;
    };
    const auto share = [](const std::vector<COLORREF>& pixels, int colour) {
      return std::count(pixels.begin(), pixels.end(), GetSysColor(colour)) * 100 / static_cast<long>(pixels.size());
    };
    EXPECT_GT(share(colours(0), COLOR_HIGHLIGHT), 60);
    EXPECT_GT(share(colours(0), COLOR_HIGHLIGHTTEXT), 0);
    EXPECT_GT(share(colours(1), COLOR_WINDOW), 60);
    EXPECT_GT(share(colours(1), COLOR_WINDOWTEXT), 0);
  }
}

}  // namespace

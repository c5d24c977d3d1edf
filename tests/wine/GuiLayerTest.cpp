#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "gui/win32/Application.h"
#include "gui/win32/Form.h"
#include "gui/win32/GdiObjects.h"
#include "gui/win32/ListBox.h"
#include "gui/win32/Win32Canvas.h"

namespace {

class ListBoxOnForm : public ::testing::Test {
 protected:
  ListBoxOnForm() : list(form) {
    form.SetClientSize(300, 200);
    list.SetBounds(10, 10, 200, 150);
    form.Show();
  }
  void ClickLine(int index, bool twice) {
    RECT line{};
    SendMessageW(list.Handle(), LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&line));
    const LPARAM at = MAKELPARAM(line.left + 5, line.top + 3);
    SendMessageW(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
    if (!twice) return;
    SendMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list.Handle(), WM_LBUTTONUP, 0, at);
  }
  TForm form;
  TListBox list;
  int objects[3] = {};
};

TEST_F(ListBoxOnForm, HoldsLinesWithObjectsInUnicode) {
  list.BeginUpdate(3);
  list.AddItem("first", &objects[0]);
  list.AddItem("\xCE\xA9mega \xE6\x97\xA5", &objects[1]);
  list.EndUpdate();
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Item(1), "\xCE\xA9mega \xE6\x97\xA5");
  EXPECT_EQ(list.Object(0), &objects[0]);
  EXPECT_EQ(list.ItemIndex(), -1);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(ListBoxOnForm, ClicksReachTheListBoxObjectThroughItsParent) {
  list.AddItem("a", &objects[0]);
  list.AddItem("b", &objects[1]);
  int clicks = 0, doubleClicks = 0;
  list.OnClick = [&](TComponent& sender) {
    EXPECT_EQ(&sender, &list);
    ++clicks;
  };
  list.OnDblClick = [&](TComponent&) { ++doubleClicks; };
  ClickLine(1, true);
  EXPECT_EQ(list.ItemIndex(), 1);
  EXPECT_GE(clicks, 1);
  EXPECT_EQ(doubleClicks, 1);
}

TEST_F(ListBoxOnForm, AnErrorInAHandlerStopsAtTheWindowProcedure) {
  list.AddItem("a", nullptr);
  std::string reported;
  Application().OnException = [&](const std::exception& error) { reported = error.what(); };
  list.OnClick = [](TComponent&) { throw std::runtime_error("handler failed"); };
  ClickLine(0, false);
  Application().OnException = nullptr;
  EXPECT_EQ(reported, "handler failed");
}

TEST(WinControl, KnowsOnlyItsOwnWindows) {
  TForm form;
  EXPECT_EQ(TWinControl::FromHandle(form.Handle()), &form);
  HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form.Handle(), nullptr, nullptr, nullptr);
  SetWindowLongPtrW(foreign, GWLP_USERDATA, 12345);
  EXPECT_EQ(TWinControl::FromHandle(foreign), nullptr);
  EXPECT_EQ(TWinControl::FromHandle(nullptr), nullptr);
}

TEST(WinControl, DestroyingTheWindowFirstLeavesTheObjectSafe) {
  TForm form;
  TListBox list(form);
  DestroyWindow(form.Handle());  // takes the list box window with it
  EXPECT_EQ(list.Handle(), nullptr);
  EXPECT_EQ(form.Handle(), nullptr);
}

// A canvas on a 100 x 100 bitmap in memory.
class BitmapCanvas : public ::testing::Test {
 protected:
  BitmapCanvas() : memory(screen.Get()), bitmap(CreateCompatibleBitmap(screen.Get(), 100, 100)) {
    selected.emplace(memory.Get(), bitmap.Get());
    const RECT all{0, 0, 100, 100};
    FillRect(memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  COLORREF Pixel(int x, int y) { return GetPixel(memory.Get(), x, y); }

  WindowDC screen;
  MemoryDC memory;
  Bitmap bitmap;
  std::optional<SelectionGuard> selected;
};

TEST_F(BitmapCanvas, DrawsWithItsPenBrushAndSystemColours) {
  const HGDIOBJ originalPen = GetCurrentObject(memory.Get(), OBJ_PEN);
  {
    TWin32Canvas canvas(memory.Get());
    canvas.PenColor = Rgb(0, 0, 255);
    canvas.BrushColor = Rgb(255, 0, 0);
    canvas.Ellipse(10, 10, 90, 90);
    canvas.BrushColor = clBtnFace;
    canvas.Pie(10, 10, 90, 90, 1000, 50, 50, -1000);  // the upper right quarter
    EXPECT_FALSE(canvas.SetTransparentText(true));
    EXPECT_TRUE(canvas.SetTransparentText(false));
  }
  EXPECT_EQ(Pixel(30, 60), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(65, 35), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(Pixel(50, 10), RGB(0, 0, 255));  // the outline
  EXPECT_EQ(Pixel(2, 2), RGB(255, 255, 255));
  EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), originalPen);
}

TEST_F(BitmapCanvas, ComposesOffScreenAndDrawsTheResultAtItsPlace) {
  TWin32Canvas canvas(memory.Get());
  canvas.DrawComposed(20, 30, 40, 40, [](TCanvas& picture) {
    picture.PenColor = Rgb(0, 128, 0);
    picture.BrushColor = Rgb(0, 128, 0);
    picture.Ellipse(0, 0, 40, 40);
    picture.Font.Color = clBlack;
    picture.SetTransparentText(true);
    picture.TextOut(5, 12, "Ab");
  });
  EXPECT_EQ(Pixel(40, 50), RGB(0, 128, 0));
  EXPECT_EQ(Pixel(15, 50), RGB(255, 255, 255));
  EXPECT_EQ(Pixel(70, 50), RGB(255, 255, 255));
}

TEST(Win32Canvas, MeasuresTextInTheChosenFont) {
  const WindowDC screen;
  TWin32Canvas canvas(screen.Get());
  canvas.Font.Size = 8;
  const int small = canvas.TextWidth("Velmora");
  canvas.Font.Size = 16;
  const int large = canvas.TextWidth("Velmora");
  EXPECT_GT(small, 0);
  EXPECT_GT(large, small * 3 / 2);
  EXPECT_GT(canvas.TextHeight("Velmora"), 16);
}

}  // namespace

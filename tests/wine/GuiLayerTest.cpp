#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

#include "GdiObjectCount.h"
#include "WindowQueries.h"
#include "gui/win32/controls/CheckBox.h"
#include "gui/win32/controls/GroupBox.h"
#include "gui/win32/controls/ListBox.h"
#include "gui/win32/controls/PageControl.h"
#include "gui/win32/controls/Timer.h"
#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/drawing/Win32Canvas.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Form.h"

#include <commctrl.h>

namespace {

void ClickAt(HWND window, int x, int y) {
  const LPARAM at = MAKELPARAM(x, y);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  SendMessageW(window, WM_LBUTTONUP, 0, at);
}

TEST(ListBox, HoldsLinesWithObjectsInUnicode) {
  TFinalForm<TForm> form{TFormOptions{.Design = {0, 0, 300, 200}}};
  TListBox list{form};
  int objects[2] = {};
  list.BeginUpdate(2);
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

TEST(WinControl, KnowsOnlyItsOwnWindows) {
  TFinalForm<TForm> form{TFormOptions{}};
  EXPECT_EQ(TWinControl::FromHandle(form.Handle()), &form);
  HWND foreign = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 10, 10, form.Handle(), nullptr, nullptr, nullptr);
  SetWindowLongPtrW(foreign, GWLP_USERDATA, 12345);
  EXPECT_EQ(TWinControl::FromHandle(foreign), nullptr);
  EXPECT_EQ(TWinControl::FromHandle(nullptr), nullptr);
}

// An owner and a dialog with OK and Cancel, shown modally over it.
class ModalDialog : public ::testing::Test {
 protected:
  ModalDialog() {
    owner.Show();
    dialog.OnShow = [this](TComponent&) { ownerEnabledWhileShown = IsWindowEnabled(owner.Handle()) != FALSE; };
  }
  TFinalForm<TForm> owner{TFormOptions{.Caption = "Owner", .Design = {0, 0, 300, 200}}};
  TFinalForm<TForm> dialog{TFormOptions{.Caption = "Dialog", .Border = TBorderStyle::Dialog, .Position = TFormPosition::ScreenCenter,
                .ClientSize = {200, 100}, .Owner = &owner}};
  TButton ok{dialog, {.Caption = "OK", .Default = true, .ModalResult = TModalResult::Ok}};
  TButton cancel{dialog, {.Caption = "Cancel", .Cancel = true, .ModalResult = TModalResult::Cancel}};
  std::optional<bool> ownerEnabledWhileShown;
};

TEST_F(ModalDialog, EndsWithEnterEscapeOrTheCloseBoxAndCanBeShownAgain) {
  dialog.ActiveControl = &cancel;  // Enter presses the focused button
  PostMessageW(cancel.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(dialog.ShowModal(), TModalResult::Cancel);
  EXPECT_EQ(ownerEnabledWhileShown, false);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));

  dialog.ActiveControl = nullptr;
  PostMessageW(dialog.Handle(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(dialog.ShowModal(), TModalResult::Ok);
  PostMessageW(dialog.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
  EXPECT_EQ(dialog.ShowModal(), TModalResult::Cancel);
  PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  EXPECT_EQ(dialog.ShowModal(), TModalResult::Cancel);
  EXPECT_NE(dialog.Handle(), nullptr);  // hidden, not destroyed

  // Centred on the screen.
  const TRect bounds = dialog.BoundsRect();
  EXPECT_EQ(bounds.Left, (GetSystemMetrics(SM_CXSCREEN) - bounds.Width) / 2);
}

TEST_F(ModalDialog, AButtonPressedFromOutsideWhileNoMessageWaitsEndsTheShowing) {
  // As automation presses a button: a message sent from another thread, which the
  // modal loop's GetMessage runs without returning.
  ok.SetBounds(10, 10, 75, 25);  // a click counts where the button is
  std::atomic<bool> ended = false;
  std::thread presser([&] {
    // Shown and painted: nothing is left for the loop to take.
    WaitFor([&] { return IsWindowVisible(dialog.Handle()) && !PaintPending(dialog.Handle()); });
    SendMessageW(ok.Handle(), BM_CLICK, 0, 0);
    // A loop left asleep is woken by a close after a while, so the test ends either way.
    if (!WaitFor([&] { return ended.load(); }, 3000)) PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
  });
  EXPECT_EQ(dialog.ShowModal(), TModalResult::Ok);
  ended = true;
  presser.join();
}

TEST_F(ModalDialog, AFailingShowLeavesTheOwnerEnabledAndTheDialogHidden) {
  dialog.OnShow = [](TComponent&) { throw std::runtime_error("cannot show"); };
  EXPECT_THROW(dialog.ShowModal(), std::runtime_error);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
  EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}

// A form whose painting fails.
class FormThatCannotPaint : public TForm {
 public:
  int Paints = 0;

 protected:
  FormThatCannotPaint() : TForm({.Design = {0, 0, 200, 100}}) {}
  void PaintWindow(HDC, const RECT&) override {
    ++Paints;
    throw std::runtime_error("cannot paint");
  }
};

TEST(ErrorDisplay, ShowsOneErrorAtATimeAndAFailedPaintOrTimerDoesNotComeBack) {
  TFinalForm<FormThatCannotPaint> form;
  int shown = 0;
  const int unshown = Application().UnshownErrors();
  Application().OnException = [&](const std::string& message) {
    ++shown;
    EXPECT_EQ(message, "cannot paint");
    // As a message box would: messages run while the error shows; meanwhile the
    // window fails once more.
    Application().ProcessMessages();
    InvalidateRect(form.Handle(), nullptr, FALSE);
    UpdateWindow(form.Handle());
    Application().ProcessMessages();
  };
  form.Show();
  UpdateWindow(form.Handle());
  Application().ProcessMessages();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(form.Paints, 2);
  EXPECT_EQ(Application().UnshownErrors(), unshown + 1);

  TTimer timer{{.Interval = 10, .OnTimer = [](TComponent&) { throw std::runtime_error("cannot tick"); }}};
  Application().OnException = [&](const std::string&) { ++shown; };
  EXPECT_TRUE(WaitFor([&] { return shown == 2; }, 2000, [] { Application().ProcessMessages(); }));
  Application().OnException = nullptr;
  EXPECT_FALSE(timer.Enabled());
}

TEST(Controls, BoxesAndRadioButtonsClickOnChangeOnly) {
  TFinalForm<TForm> form{TFormOptions{.Design = {0, 0, 300, 300}}};
  TCheckBox box{form, {.Caption = "Box"}};
  box.SetBounds(10, 10, 100, 17);
  form.Show();
  int boxClicks = 0;
  box.OnClick = [&](TComponent&) { ++boxClicks; };
  SendMessageW(box.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(box.Checked());
  box.SetChecked(true);
  box.SetChecked(false);
  EXPECT_EQ(boxClicks, 2);

  TRadioButton first{form, {.Caption = "First"}};
  TRadioButton second{form, {.Caption = "Second"}};
  second.SetBounds(10, 40, 100, 17);
  first.SetChecked(true);
  SendMessageW(second.Handle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(second.Checked());
  EXPECT_FALSE(first.Checked());

  TRadioGroup group{form, {.Caption = " Units ", .Items = {"Bytes", "KB", "MB"}}};
  group.SetBounds(10, 100, 129, 105);
  EXPECT_EQ(group.ItemIndex(), -1);
  group.SetItemIndex(2);
  SendMessageW(FindWindowExW(group.Handle(), nullptr, L"Button", L"KB"), BM_CLICK, 0, 0);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_TRUE(first.Checked() == false && second.Checked());  // other parents' buttons are left alone
}

TEST(Controls, PagesShowTheChosenTabAndHiddenTabsCannotBeChosen) {
  TFinalForm<TForm> form{TFormOptions{.Design = {0, 0, 400, 300}}};
  TPageControl pages{form};
  TTabSheet one{pages, {.Caption = "One"}}, two{pages, {.Caption = "Two"}}, three{pages, {.Caption = "Three"}};
  pages.SetBounds(0, 0, 380, 250);
  form.Show();
  int changes = 0;
  pages.OnChange = [&](TComponent&) { ++changes; };
  EXPECT_EQ(pages.ActivePage(), &one);
  two.SetTabVisible(false);
  EXPECT_EQ(SendMessageW(pages.Handle(), TCM_GETITEMCOUNT, 0, 0), 2);
  RECT tab{};
  SendMessageW(pages.Handle(), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&tab));
  ClickAt(pages.Handle(), tab.left + 5, tab.top + 5);
  EXPECT_EQ(pages.ActivePage(), &three);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(IsWindowVisible(three.Handle()));
  EXPECT_FALSE(IsWindowVisible(one.Handle()));
  three.SetTabVisible(false);
  EXPECT_EQ(pages.ActivePage(), &one);
}

TEST(Controls, EachIsPlacedAsDesignedAndFollowsTheForm) {
  TFinalForm<TForm> form{TFormOptions{.ClientSize = {300, 200}}};
  TButton fixed{form, {.Caption = "Fixed"}, {.Bounds = {10, 10, 60, 25}, .Enabled = false, .Hint = "Fixed"}};
  TButton corner{form, {.Caption = "Corner"}, {.Bounds = {230, 165, 60, 25}, .Anchors = akRight | akBottom}};
  TButton hidden{form, {.Caption = "Hidden"}, {.Bounds = {10, 40, 60, 25}, .Visible = false}};
  EXPECT_EQ(fixed.Left(), form.Scale(10));
  EXPECT_FALSE(fixed.Enabled());
  EXPECT_EQ(fixed.Hint, "Fixed");
  EXPECT_FALSE(hidden.Visible());
  const TRect before = corner.BoundsRect();
  form.SetBounds(0, 0, form.Width() + 40, form.Height() + 30);
  EXPECT_EQ(corner.Left(), before.Left + 40);
  EXPECT_EQ(corner.Top(), before.Top + 30);
  EXPECT_EQ(fixed.Left(), form.Scale(10));
}

// A form with members of its own that see whether its window is still there when they go.
class FormWithMembers : public TForm {
 protected:
  explicit FormWithMembers(bool& windowGoneFirst) : TForm({}), member_{windowGoneFirst, Handle()} {}

 private:
  struct Witness {
    bool& WindowGone;
    HWND Window;
    ~Witness() { WindowGone = !IsWindow(Window); }
  } member_;
  TButton button_{*this, {.Caption = "Member"}, {.Bounds = {10, 10, 60, 25}}};
};

TEST(Forms, GoWindowFirstBeforeTheMembersOfEveryClassOfTheirChain) {
  bool windowGoneFirst = false;
  { TFinalForm<FormWithMembers> form(windowGoneFirst); }
  EXPECT_TRUE(windowGoneFirst);
}

TEST(Handles, FormsMadeAndGoneLeaveNoHandleOrGdiObjectBehind) {
  const auto makeOne = [] {
    TFinalForm<TForm> form{TFormOptions{.Caption = "Short-lived", .Design = {0, 0, 300, 200}}};
    TListBox list{form};
    TButton button{form, {.Caption = "OK"}, {.Hint = "Shows its hint"}};
    form.Show();
    Application().ProcessMessages();
    UpdateWindow(form.Handle());
  };
  makeOne();  // the first makes what lives for good (classes, stock objects)
  const long gdi = GdiObjectsOfThisProcess();
  long live[static_cast<int>(HandleKind::Count)];
  for (int kind = 0; kind < static_cast<int>(HandleKind::Count); ++kind)
    live[kind] = LiveHandles(static_cast<HandleKind>(kind));
  for (int i = 0; i < 5; ++i) makeOne();
  EXPECT_EQ(GdiObjectsOfThisProcess(), gdi);
  for (int kind = 0; kind < static_cast<int>(HandleKind::Count); ++kind)
    EXPECT_EQ(LiveHandles(static_cast<HandleKind>(kind)), live[kind]) << "kind " << kind;
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
    // A glyph leaves out the colour of its bottom left pixel.
    canvas.DrawGlyph(0, 0, {2, 2, {Rgb(0, 255, 0), Rgb(1, 2, 3), Rgb(1, 2, 3), Rgb(0, 255, 0)}});
  }
  EXPECT_EQ(Pixel(30, 60), RGB(255, 0, 0));
  EXPECT_EQ(Pixel(65, 35), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(Pixel(50, 10), RGB(0, 0, 255));  // the outline
  EXPECT_EQ(Pixel(0, 0), RGB(0, 255, 0));
  EXPECT_EQ(Pixel(1, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetCurrentObject(memory.Get(), OBJ_PEN), originalPen);
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

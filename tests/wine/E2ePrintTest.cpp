// Printing with the real program. Run by tests/print/print-test.sh, which gives them a
// printer (or, for the first, makes sure there is none) and checks what was printed.
#include <gtest/gtest.h>

#include "E2eTrees.h"
#include "VelmoraDriver.h"
#include "win32/Handles.h"

namespace {

TEST_F(SmallTree, PrintingWithoutAPrinterSaysSo) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  velmora.ClickPrint();
  HWND message = velmora.WaitForWindow(L"Velmora");
  ASSERT_NE(message, nullptr);
  EXPECT_NE(velmora.Child(L"Static", L"There is no printer to print on. Install a printer and try again.", message),
            nullptr);
  PostMessageW(velmora.Child(L"Button", L"OK", message), BM_CLICK, 0, 0);
  CloseCleanly(velmora);
}

// A window of another program over Velmora's client area, all in a green that Velmora
// never shows.
class CoveringWindow {
 public:
  explicit CoveringWindow(HWND covered) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = brush_.Get();
    windowClass.lpszClassName = L"VelmoraTestCover";
    RegisterClassW(&windowClass);
    RECT area{};
    GetClientRect(covered, &area);
    MapWindowPoints(covered, HWND_DESKTOP, reinterpret_cast<POINT*>(&area), 2);
    window_.Reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"VelmoraTestCover", L"", WS_POPUP | WS_VISIBLE,
                                  area.left, area.top, area.right - area.left, area.bottom - area.top, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr));
    UpdateWindow(window_.Get());
  }

 private:
  Brush brush_{CreateSolidBrush(RGB(0, 255, 0))};
  WindowHandle window_;
};

TEST_F(SmallTree, PrintingSendsTheWindowAsItDrawsItselfNotWhatCoversIt) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  // Most of the window, the chart with it, lies beyond the screen's left edge, and
  // another window covers the rest: the screen shows nothing of what is printed.
  RECT bounds{};
  GetWindowRect(velmora.Window(), &bounds);
  SetWindowPos(velmora.Window(), nullptr, -(bounds.right - bounds.left) * 4 / 5, bounds.top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  const CoveringWindow cover(velmora.Window());
  EXPECT_TRUE(velmora.ClickPrintAndWait()) << "the print did not end";
  EXPECT_EQ(velmora.WaitForWindow(L"Velmora", 0), nullptr) << "an error was shown";
  CloseCleanly(velmora);
}

}  // namespace

// Printing with the real program. Run by tests/print/print-test.sh, which gives them a
// printer (or, for the first, makes sure there is none) and checks what was printed.
#include <gtest/gtest.h>

#include "E2eTrees.h"
#include "VelmoraDriver.h"

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

TEST_F(SmallTree, PrintingSendsTheWindowToThePrinter) {
  const Velmora velmora(Root());
  ASSERT_TRUE(velmora.WaitUntilShown());
  velmora.ClickPrint();
  Sleep(3000);  // the job goes to the spooler
  EXPECT_EQ(velmora.WaitForWindow(L"Velmora"), nullptr) << "an error was shown";
  CloseCleanly(velmora);
}

}  // namespace

#include <gtest/gtest.h>

#include "WindowQueries.h"
#include "controls/win32/Spin.h"
#include "gui/win32/controls/Edit.h"
#include "gui/win32/framework/Application.h"
#include "gui/win32/framework/Form.h"

namespace {

// The options dialog's interval field: 1 to 1440 minutes, on a form with a default button.
class SpinEditOnForm : public ::testing::Test {
 protected:
  SpinEditOnForm() {
    spin.SetBounds(10, 10, 49, 22);
    other.SetBounds(10, 50, 80, 22);
    form.Show();
    spin.SetFocus();
    spin.OnChange = [this](TComponent&) { ++changes; };
  }
  // Keys as the keyboard brings them: through the message loop, so the dialog
  // manager and character translation see them.
  void Press(WORD key) {
    PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
    PostMessageW(GetFocus(), WM_KEYUP, key, 0xC0000001);
    Application().ProcessMessages();
  }
  void Type(std::u16string_view text) {
    for (const char16_t c : text) PostMessageW(GetFocus(), WM_CHAR, c, 1);
    Application().ProcessMessages();
  }
  HWND Arrows() const { return FindChild(spin.Handle(), L"VelmoraSpinButton"); }

  TFinalForm<TForm> form{TFormOptions{.Design = {0, 0, 200, 120}}};
  TSpinEdit spin{form, {.MinValue = 1, .MaxValue = 1440, .Value = 10}};
  TEdit other{form, {}};
  TButton ok{form, {.Caption = "OK", .Default = true, .OnClick = [this](TComponent&) { ++okClicks; }}};
  int changes = 0;
  int okClicks = 0;
};

TEST_F(SpinEditOnForm, StepsWithTheArrowKeysAndClampsAtTheBounds) {
  Press(VK_UP);
  Press(VK_UP);
  EXPECT_EQ(spin.Text(), "12");
  EXPECT_GE(changes, 2);
  spin.SetValue(1440);
  Press(VK_UP);
  EXPECT_EQ(spin.Text(), "1440");
  Press(VK_DOWN);
  EXPECT_EQ(spin.Text(), "1439");
}

TEST_F(SpinEditOnForm, RefusesLettersAndEnterAndClampsWhenLeft) {
  spin.SelectAll();
  Type(u"2a0x00");
  EXPECT_EQ(spin.Text(), "2000");
  Press(VK_RETURN);
  EXPECT_EQ(spin.Text(), "2000");
  EXPECT_EQ(okClicks, 0);  // Enter stays in the field
  other.SetFocus();
  EXPECT_EQ(spin.Text(), "1440");

  spin.SetText("-");
  other.SetFocus();
  spin.SetFocus();
  other.SetFocus();
  EXPECT_EQ(spin.Text(), "-");  // no number: left as it is, and reads as the minimum
  EXPECT_EQ(spin.Value(), 1);
}

TEST_F(SpinEditOnForm, KeepsItsTextClearOfTheArrowsAndItsMinimumHeight) {
  spin.SetBounds(10, 10, 49, 5);
  EXPECT_EQ(spin.Height(), spin.MinimumHeight());
  RECT text{};
  SendMessageW(spin.Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  RECT arrows{};
  GetWindowRect(Arrows(), &arrows);
  MapWindowPoints(HWND_DESKTOP, spin.Handle(), reinterpret_cast<POINT*>(&arrows), 2);
  EXPECT_LE(text.right, arrows.left);
}

TEST_F(SpinEditOnForm, WithoutTheEditorOnlyTheArrowsChangeTheValue) {
  spin.EditorEnabled = false;
  Type(u"5\b");
  EXPECT_EQ(spin.Text(), "10");
  SendMessageW(spin.Handle(), WM_CUT, 0, 0);
  EXPECT_EQ(spin.Text(), "10");
  Press(VK_UP);
  EXPECT_EQ(spin.Text(), "11");
  spin.SetReadOnly(true);
  Press(VK_UP);
  EXPECT_EQ(spin.Text(), "11");
}

}  // namespace

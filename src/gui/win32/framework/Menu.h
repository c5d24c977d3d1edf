#pragma once

#include <string>
#include <vector>

#include "gui/Component.h"
#include "win32/Handles.h"

class TForm;
class TMainMenu;

// A key that chooses a menu item from anywhere in its window.
struct TShortCut {
  WORD Key = 0;  // virtual key; 0 for none
  bool Alt = false;
  bool Ctrl = false;
};

// A drop-down menu of a menu bar, after those made before it.
class TDropDownMenu : public TComponent {
 public:
  TDropDownMenu(TMainMenu& bar, std::string_view caption);

 private:
  friend class TMenuItem;
  TMainMenu& bar_;
  HMENU menu_;  // the bar owns it
};

struct TMenuItemOptions {
  std::string Caption;
  TShortCut ShortCut;
  std::string Hint;
  bool LineBefore = false;  // a separator line above it
  TNotifyEvent OnClick;
};

// One command of a drop-down menu, after the items made before it.
class TMenuItem : public TComponent {
 public:
  TMenuItem(TDropDownMenu& menu, const TMenuItemOptions& options);
  void Click();

  const std::string Caption;
  const TShortCut ShortCut;
  const std::string Hint;
  TNotifyEvent OnClick;

 protected:
  virtual void DoClick();
};

// A form's menu bar, shown on it from the start, with the accelerator table of its
// items' shortcuts.
class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TForm& form);
  ~TMainMenu() override;

  HACCEL Accelerators();
  // The item behind a command identifier of this menu.
  TMenuItem* ItemOf(UINT command) const;

 private:
  friend class TDropDownMenu;
  friend class TMenuItem;
  HMENU AddDropDown(std::string_view caption);
  void AddItem(HMENU dropDown, TMenuItem& item, bool lineBefore);

  Menu menu_;
  HWND window_;
  AcceleratorTable accelerators_;
  std::vector<ACCEL> shortcuts_;
  UINT nextCommand_ = 1000;  // clear of IDOK, IDCANCEL and the like
};

#pragma once

#include <string>
#include <vector>

#include "gui/Component.h"
#include "win32/Handles.h"

// A key that chooses a menu item from anywhere in its window.
struct TShortCut {
  WORD Key = 0;  // virtual key; 0 for none
  bool Alt = false;
  bool Ctrl = false;
};

struct TMenuItemOptions {
  std::string Caption;
  TShortCut ShortCut;
  std::string Hint;
  TNotifyEvent OnClick;
};

// One command of a menu.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(const TMenuItemOptions& options);
  void Click();

  const std::string Caption;
  const TShortCut ShortCut;
  const std::string Hint;
  TNotifyEvent OnClick;

 protected:
  virtual void DoClick();
};

// A window's menu bar of drop-down menus, with the accelerator table of its shortcuts.
class TMainMenu : public TComponent {
 public:
  TMainMenu();
  ~TMainMenu() override;

  // Adds a drop-down menu; a null item is a separator line.
  void AddMenu(std::string_view caption, const std::vector<TMenuItem*>& items);

  HMENU Handle() const { return menu_.Get(); }
  HACCEL Accelerators();
  // The item behind a command identifier of this menu.
  TMenuItem* ItemOf(UINT command) const;
  // Puts the menu bar on a window, which then shows it until this goes.
  void AttachTo(HWND window);

 private:
  Menu menu_;
  HWND window_ = nullptr;
  AcceleratorTable accelerators_;
  std::vector<ACCEL> shortcuts_;
  UINT nextCommand_ = 1000;  // clear of IDOK, IDCANCEL and the like
};

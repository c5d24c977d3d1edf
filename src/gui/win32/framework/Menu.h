#pragma once

#include <string>
#include <vector>

#include "gui/Component.h"
#include "win32/Handles.h"

class TForm;
class TMainMenu;
class TPopupMenu;

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

// One command of a drop-down or pop-up menu, after the items made before it.
class TMenuItem : public TComponent {
 public:
  TMenuItem(TDropDownMenu& menu, const TMenuItemOptions& options);
  TMenuItem(TPopupMenu& menu, const TMenuItemOptions& options);
  void Click();
  void SetEnabled(bool enabled);
  bool Enabled() const;

  const std::string Caption;
  const TShortCut ShortCut;
  const std::string Hint;
  TNotifyEvent OnClick;

 protected:
  virtual void DoClick();

 private:
  friend class TMainMenu;
  friend class TPopupMenu;
  HMENU menu_ = nullptr;  // the drop-down or pop-up that holds it
  UINT command_ = 0;
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

struct TPopupMenuOptions {
  TNotifyEvent OnPopup;  // before it shows, or a shortcut of it works: to enable its items
};

// A menu shown where the user asks for it (the right button, the Apps key, Shift+F10)
// on the control it is attached to (TWinControl::PopupMenu); its items' shortcuts work
// while that control has the focus, and only then.
class TPopupMenu : public TComponent {
 public:
  explicit TPopupMenu(const TPopupMenuOptions& options = {});

  // Shows the menu at a point of the screen; the item chosen is clicked.
  void Popup(HWND owner, POINT screen);
  // Clicks the enabled item whose shortcut this key is, with the modifiers held now;
  // false when no item has it.
  bool ShortCutKey(WORD key);

  TNotifyEvent OnPopup;

 private:
  friend class TMenuItem;
  void AddItem(TMenuItem& item, bool lineBefore);
  TMenuItem* ItemOf(UINT command) const;

  Menu menu_;
  std::vector<TMenuItem*> items_;
};

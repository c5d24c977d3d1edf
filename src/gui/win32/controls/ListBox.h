#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/ItemList.h"
#include "gui/win32/framework/WinControl.h"

struct TListBoxOptions {
  int ItemHeight = 0;  // design pixels; 0 for the font's
  TNotifyEvent OnClick;     // a line was chosen
  TNotifyEvent OnDblClick;
};

// A list of text lines, each with an object reference. The window holds no lines of
// its own: it draws the ones in view from where they are kept, so showing a hundred
// thousand costs no more than showing ten. It still looks, reads (LB_GETTEXT, also
// from other processes) and answers typed letters as a plain list box does.
class TListBox : public TWinControl, public TItemList {
 public:
  explicit TListBox(TWinControl& parent, const TListBoxOptions& options = {}, const TDesign& design = {});

  void Clear() override;
  void ShowLines(std::shared_ptr<const TItemSource> lines) override;
  // Lines added one by one, kept here in place of any shown before; between
  // BeginUpdate and EndUpdate the window hears of them once.
  void BeginUpdate(int expected);
  void AddItem(const std::string& text, void* object);
  void EndUpdate();

  int Count() const;
  std::string Item(int index) const;
  void* Object(int index) const;
  // The selected line, or -1.
  int ItemIndex() const;
  void SetItemIndex(int index);
  // The line at a point of the client area, or -1.
  int ItemAt(int x, int y) const;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void KeyPress(char16_t& key) override;
  void CommandNotification(WORD code) override;
  bool DrawItemNotification(const DRAWITEMSTRUCT& item) override;
  // The context menu is for the line under the mouse (none on blank space), or below the
  // selected line when asked for from the keyboard.
  void ContextMenuAt(POINT client) override;
  POINT ContextMenuPlace() const override;
  virtual void DoClick();
  virtual void DoDblClick();

 private:
  class AddedLines final : public TItemSource {
   public:
    int Count() const override { return static_cast<int>(Lines.size()); }
    std::string_view Text(int index) const override { return Lines[index].first; }
    void* Object(int index) const override { return Lines[index].second; }
    std::vector<std::pair<std::string, void*>> Lines;
  };

  AddedLines& Added();
  // Tells the window how many lines there are now.
  void CountChanged();
  // The next line after the caret, round to it, whose text starts with `key`, or -1.
  int LineStartingWith(char16_t key) const;

  std::shared_ptr<const TItemSource> lines_;  // what is shown; none when empty
  std::shared_ptr<AddedLines> added_;         // lines_ when they were added one by one
  int updating_ = 0;
};

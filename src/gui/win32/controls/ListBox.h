#pragma once

#include "gui/ItemList.h"
#include "gui/win32/framework/WinControl.h"

struct TListBoxOptions {
  int ItemHeight = 0;  // design pixels; 0 for the font's
  TNotifyEvent OnClick;     // a line was chosen
  TNotifyEvent OnDblClick;
};

// A list of text lines, each with an object reference. Filling it between
// BeginUpdate and EndUpdate costs little even for a hundred thousand lines.
class TListBox : public TWinControl, public TItemList {
 public:
  explicit TListBox(TWinControl& parent, const TListBoxOptions& options = {}, const TDesign& design = {});

  void Clear() override;
  void BeginUpdate(int expected) override;
  void AddItem(const std::string& text, void* object) override;
  void EndUpdate() override;

  int Count() const;
  std::string Item(int index) const;
  void* Object(int index) const;
  // The selected line, or -1.
  int ItemIndex() const;
  void SetItemIndex(int index);

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

 protected:
  void CommandNotification(WORD code) override;
  virtual void DoClick();
  virtual void DoDblClick();

 private:
  int updating_ = 0;
  std::u16string wide_;  // reused for every added line
};

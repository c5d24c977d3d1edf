#pragma once

#include <string>
#include <vector>

#include "gui/win32/framework/WinControl.h"

struct TComboBoxOptions {
  std::vector<std::string> Items;
  TNotifyEvent OnChange;
};

// A drop-down list to pick one of its items from.
class TComboBox : public TWinControl {
 public:
  TComboBox(TWinControl& parent, const TComboBoxOptions& options, const TDesign& design = {});
  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const;

  TNotifyEvent OnChange;

 protected:
  void CommandNotification(WORD code) override;
  virtual void DoChange();
};

#pragma once

#include <string>
#include <vector>

#include "gui/win32/WinControl.h"

// A drop-down list to pick one of its items from.
class TComboBox : public TWinControl {
 public:
  TComboBox(TWinControl& parent, const std::vector<std::string>& items);
  int ItemIndex() const;
  void SetItemIndex(int index);
  int Count() const;

  TNotifyEvent OnChange;

 protected:
  void CommandNotification(WORD code) override;
  virtual void DoChange();
};

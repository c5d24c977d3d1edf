#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/win32/controls/CheckBox.h"
#include "gui/win32/framework/WinControl.h"

struct TGroupBoxOptions {
  std::string Caption;
};

// A frame with a caption around related controls.
class TGroupBox : public TWinControl {
 public:
  TGroupBox(TWinControl& parent, const TGroupBoxOptions& options, const TDesign& design = {});
  bool IsFrame() const override { return true; }

 protected:
  HBRUSH ColourNotification(HDC dc) override;
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

struct TRadioGroupOptions {
  std::string Caption;
  std::vector<std::string> Items;
};

// A frame holding one radio button per item, stacked to share its height; without
// items it is only the frame.
class TRadioGroup : public TGroupBox {
 public:
  TRadioGroup(TWinControl& parent, const TRadioGroupOptions& options, const TDesign& design = {});
  // The checked item, or -1.
  int ItemIndex() const;
  // Checks that item; -1 clears them all, anything else changes nothing.
  void SetItemIndex(int index);

 protected:
  void Resized() override;

 private:
  std::vector<std::unique_ptr<TRadioButton>> buttons_;
};

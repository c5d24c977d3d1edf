#include "gui/win32/controls/ComboBox.h"

#include "win32/WideText.h"

TComboBox::TComboBox(TWinControl& parent, const TComboBoxOptions& options, const TDesign& design) {
  CreateHandle(L"COMBOBOX", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, parent.Handle(), {},
               design);
  OnChange = options.OnChange;
  for (const std::string& item : options.Items)
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
}

int TComboBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }
void TComboBox::SetItemIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, index, 0); }
int TComboBox::Count() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

void TComboBox::CommandNotification(WORD code) {
  if (code == CBN_SELCHANGE) DoChange();
}

void TComboBox::DoChange() {
  if (OnChange) OnChange(*this);
}

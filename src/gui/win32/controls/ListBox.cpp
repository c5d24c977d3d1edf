#include "gui/win32/controls/ListBox.h"

#include "gui/win32/framework/Screen.h"
#include "support/Utf8.h"
#include "win32/WideText.h"

TListBox::TListBox(TWinControl& parent, const TListBoxOptions& options, const TDesign& design) {
  CreateHandle(L"LISTBOX", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
               WS_EX_CLIENTEDGE, parent.Handle(), {}, design);
  OnClick = options.OnClick;
  OnDblClick = options.OnDblClick;
  if (options.ItemHeight > 0) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, ScreenScale()(options.ItemHeight));
}

void TListBox::Clear() { SendMessageW(Handle(), LB_RESETCONTENT, 0, 0); }

void TListBox::BeginUpdate(int expected) {
  if (updating_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  // Room for all lines at once instead of growing line by line.
  if (expected > 0) SendMessageW(Handle(), LB_INITSTORAGE, expected, static_cast<LPARAM>(expected) * 64);
}

void TListBox::AddItem(const std::string& text, void* object) {
  // Straight to the list box's own procedure: a level may bring a hundred thousand lines.
  wide_.clear();
  AppendUtf16(wide_, text);
  const LRESULT index = DefaultProc(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide_.c_str()));
  if (index >= 0) DefaultProc(LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(object));
}

void TListBox::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0) {
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

int TListBox::Count() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCOUNT, 0, 0)); }

std::string TListBox::Item(int index) const {
  const LRESULT length = SendMessageW(Handle(), LB_GETTEXTLEN, index, 0);
  if (length < 0) return {};
  std::wstring text(length + 1, L'\0');
  const LRESULT copied = SendMessageW(Handle(), LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied < 0 ? 0 : copied);
  return WideToUtf8(text);
}

void* TListBox::Object(int index) const {
  const LRESULT data = SendMessageW(Handle(), LB_GETITEMDATA, index, 0);
  return data == LB_ERR ? nullptr : reinterpret_cast<void*>(data);
}

int TListBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }
void TListBox::SetItemIndex(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

void TListBox::CommandNotification(WORD code) {
  if (code == LBN_SELCHANGE) DoClick();
  else if (code == LBN_DBLCLK) DoDblClick();
}

void TListBox::DoClick() {
  if (OnClick) OnClick(*this);
}

void TListBox::DoDblClick() {
  if (OnDblClick) OnDblClick(*this);
}

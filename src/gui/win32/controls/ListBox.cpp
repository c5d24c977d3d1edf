#include "gui/win32/controls/ListBox.h"

#include <algorithm>

#include "gui/win32/drawing/GdiObjects.h"
#include "gui/win32/framework/Screen.h"
#include "support/Utf8.h"
#include "win32/WideText.h"

TListBox::TListBox(TWinControl& parent, const TListBoxOptions& options, const TDesign& design) {
  CreateHandle(L"LISTBOX",
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_NODATA |
                   LBS_OWNERDRAWFIXED,
               WS_EX_CLIENTEDGE, parent.Handle(), {}, design);
  // Another process gets a line's text (LB_GETTEXT) only from a list whose style says
  // it has strings, and this one answers with its lines. The list box itself keeps
  // the style it was made with.
  SetWindowLongW(Handle(), GWL_STYLE, GetWindowLongW(Handle(), GWL_STYLE) | LBS_HASSTRINGS);
  OnClick = options.OnClick;
  OnDblClick = options.OnDblClick;
  if (options.ItemHeight > 0) SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, ScreenScale()(options.ItemHeight));
}

void TListBox::Clear() {
  lines_.reset();
  added_.reset();
  SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
}

void TListBox::ShowLines(std::shared_ptr<const TItemSource> lines) {
  Clear();
  lines_ = std::move(lines);
  CountChanged();
}

TListBox::AddedLines& TListBox::Added() {
  if (!added_) {
    added_ = std::make_shared<AddedLines>();
    lines_ = added_;
  }
  return *added_;
}

void TListBox::BeginUpdate(int expected) {
  if (updating_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  if (expected > 0) Added().Lines.reserve(Added().Lines.size() + expected);
}

void TListBox::AddItem(const std::string& text, void* object) {
  Added().Lines.emplace_back(text, object);
  if (updating_ == 0) CountChanged();
}

void TListBox::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0) {
    CountChanged();
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TListBox::CountChanged() { SendMessageW(Handle(), LB_SETCOUNT, Count(), 0); }

int TListBox::Count() const { return lines_ ? lines_->Count() : 0; }

std::string TListBox::Item(int index) const {
  return index >= 0 && index < Count() ? std::string(lines_->Text(index)) : std::string();
}

void* TListBox::Object(int index) const { return index >= 0 && index < Count() ? lines_->Object(index) : nullptr; }

int TListBox::ItemIndex() const { return static_cast<int>(SendMessageW(Handle(), LB_GETCURSEL, 0, 0)); }
void TListBox::SetItemIndex(int index) { SendMessageW(Handle(), LB_SETCURSEL, index, 0); }

int TListBox::ItemAt(int x, int y) const {
  // From the top line and the line height: LB_ITEMFROMPOINT gives only 16 bits of index.
  RECT client{};
  GetClientRect(Handle(), &client);
  const auto height = static_cast<int>(SendMessageW(Handle(), LB_GETITEMHEIGHT, 0, 0));
  if (!PtInRect(&client, POINT{x, y}) || height <= 0) return -1;
  const int index = static_cast<int>(SendMessageW(Handle(), LB_GETTOPINDEX, 0, 0)) + y / height;
  return index < Count() ? index : -1;
}

void TListBox::ContextMenuAt(POINT client) {
  const int line = ItemAt(client.x, client.y);
  if (line == ItemIndex()) return;
  SetItemIndex(line);
  DoClick();
}

POINT TListBox::ContextMenuPlace() const {
  RECT line{};
  if (ItemIndex() < 0 || SendMessageW(Handle(), LB_GETITEMRECT, ItemIndex(), reinterpret_cast<LPARAM>(&line)) == LB_ERR)
    return {0, 0};
  return {line.left, line.bottom};
}

LRESULT TListBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case LB_GETTEXTLEN:
    case LB_GETTEXT: {
      const auto index = static_cast<int>(wParam);
      if (index < 0 || index >= Count() || (message == LB_GETTEXT && !lParam)) return LB_ERR;
      const std::u16string text = Utf8ToUtf16(lines_->Text(index));
      if (message == LB_GETTEXT) std::copy_n(text.c_str(), text.size() + 1, reinterpret_cast<char16_t*>(lParam));
      return static_cast<LRESULT>(text.size());
    }
    case WM_SETFONT: {
      // An owner-drawn list box keeps its line height through a new font; a plain one
      // takes the font's, and so does this one.
      const LRESULT result = TWinControl::WndProc(message, wParam, lParam);
      TEXTMETRICW metrics{};
      GetTextMetricsW(WindowTextMeasure(Handle()).DC(), &metrics);
      DefaultProc(LB_SETITEMHEIGHT, 0, metrics.tmHeight);
      return result;
    }
    case WM_PRINTCLIENT:
      // The list box paints only its lines; the room below them is its background's.
      if (lParam & PRF_ERASEBKGND) DefaultProc(WM_ERASEBKGND, wParam, 0);
      break;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

bool TListBox::DrawItemNotification(const DRAWITEMSTRUCT& item) {
  // The focus rectangle alone is drawn inverted, so drawing it again takes it away.
  if (item.itemAction == ODA_FOCUS) {
    DrawFocusRect(item.hDC, &item.rcItem);
    return true;
  }
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const COLORREF textColour = GetSysColor(selected                              ? COLOR_HIGHLIGHTTEXT
                                          : (item.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT
                                                                              : COLOR_WINDOWTEXT);
  const COLORREF oldText = SetTextColor(item.hDC, textColour);
  const COLORREF oldBack = SetBkColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const SelectionGuard font(item.hDC, GdiFont());
  const int index = static_cast<int>(item.itemID);
  const std::wstring text = index >= 0 && index < Count() ? Utf8ToWide(lines_->Text(index)) : std::wstring();
  ExtTextOutW(item.hDC, item.rcItem.left + 1, item.rcItem.top, ETO_OPAQUE | ETO_CLIPPED, &item.rcItem, text.c_str(),
              static_cast<UINT>(text.size()), nullptr);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
  SetTextColor(item.hDC, oldText);
  SetBkColor(item.hDC, oldBack);
  return true;
}

void TListBox::KeyPress(char16_t& key) {
  TWinControl::KeyPress(key);
  if (key == 0) return;
  // A list box without data of its own finds no line by its first letter: as a plain
  // one does, go to the next line after the caret that starts with the key.
  const int found = LineStartingWith(key);
  if (found < 0) return;
  SetItemIndex(found);
  SendMessageW(Handle(), LB_SETCARETINDEX, found, FALSE);  // wholly in view
  DoClick();
}

int TListBox::LineStartingWith(char16_t key) const {
  const int count = Count();
  const auto caret = static_cast<int>(SendMessageW(Handle(), LB_GETCARETINDEX, 0, 0));  // -1 for none
  const wchar_t wanted = key;
  for (int step = 1; step <= count; ++step) {
    const int index = (caret + step) % count;
    const std::u16string first = Utf8ToUtf16(FirstCharacters(lines_->Text(index), 1));
    const wchar_t initial = first.empty() ? L'\0' : first.front();
    if (initial && CompareStringOrdinal(&initial, 1, &wanted, 1, TRUE) == CSTR_EQUAL) return index;
  }
  return -1;
}

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

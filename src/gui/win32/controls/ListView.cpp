#include "gui/win32/controls/ListView.h"

#include <algorithm>

#include <commctrl.h>

#include "gui/win32/framework/Screen.h"
#include "support/Utf8.h"
#include "win32/WideText.h"

TListView::TListView(TWinControl& parent, const TListViewOptions& options, const TDesign& design) {
  CreateHandle(WC_LISTVIEWW,
               WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS,
               WS_EX_CLIENTEDGE, parent.Handle(), {}, design);
  OnSelect = options.OnSelect;
  OnDblClick = options.OnDblClick;
  SendMessageW(Handle(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  // The item's own column is always drawn left-aligned: it stays empty and closed, and
  // the columns given are its sub-items, each aligned as asked.
  LVCOLUMNW placeholder{};
  placeholder.mask = LVCF_WIDTH;  // of 0
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&placeholder));
  for (const TListColumn& column : options.Columns) {
    std::wstring caption = Utf8ToWide(column.Caption);
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    item.fmt = column.Alignment == TAlignment::Right ? LVCFMT_RIGHT : LVCFMT_LEFT;
    item.cx = ScreenScale()(column.Width);
    item.pszText = caption.data();
    SendMessageW(Handle(), LVM_INSERTCOLUMNW, ++columns_, reinterpret_cast<LPARAM>(&item));
  }
  Resized();
}

void TListView::Clear() { SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0); }

void TListView::BeginUpdate(int expected) {
  if (updating_++ == 0) SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
  if (expected > 0) SendMessageW(Handle(), LVM_SETITEMCOUNT, expected, 0);
}

void TListView::EndUpdate() {
  if (updating_ > 0 && --updating_ == 0) {
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TListView::AddRow(const std::vector<std::string>& texts, void* object) {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = Count();
  item.lParam = reinterpret_cast<LPARAM>(object);
  const auto row = static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return;
  for (int column = 0; column < columns_ && column < static_cast<int>(texts.size()); ++column) {
    wide_.clear();
    AppendUtf16(wide_, texts[column]);
    LVITEMW text{};
    text.iSubItem = column + 1;
    text.pszText = reinterpret_cast<wchar_t*>(wide_.data());
    SendMessageW(Handle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&text));
  }
}

void TListView::DeleteRow(int row) { SendMessageW(Handle(), LVM_DELETEITEM, row, 0); }

int TListView::Count() const { return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

void* TListView::Object(int row) const {
  LVITEMW item{};
  item.mask = LVIF_PARAM;
  item.iItem = row;
  if (!SendMessageW(Handle(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return nullptr;
  return reinterpret_cast<void*>(item.lParam);
}

int TListView::Selected() const {
  return static_cast<int>(SendMessageW(Handle(), LVM_GETNEXTITEM, -1, LVNI_SELECTED));
}

void TListView::SetSelected(int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = row < 0 ? 0 : LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(Handle(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));  // -1: every row
  if (row >= 0) SendMessageW(Handle(), LVM_ENSUREVISIBLE, row, FALSE);
}

void TListView::Resized() {
  // The last column reaches the right edge, so a wider window shows more of it.
  if (columns_ > 0) SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, columns_, LVSCW_AUTOSIZE_USEHEADER);
}

LRESULT TListView::NotifyNotification(NMHDR& header) {
  switch (header.code) {
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if ((change.uChanged & LVIF_STATE) && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
        DoSelect();
      break;
    }
    case NM_DBLCLK:
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0) DoDblClick();
      break;
    case NM_RETURN:
      if (Selected() >= 0) DoDblClick();
      break;
  }
  return 0;
}

void TListView::ContextMenuAt(POINT client) {
  LVHITTESTINFO hit{};
  hit.pt = client;
  SetSelected(static_cast<int>(SendMessageW(Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
}

POINT TListView::ContextMenuPlace() const {
  RECT area{};
  area.left = LVIR_BOUNDS;
  const int row = Selected();
  if (row < 0 || !SendMessageW(Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&area))) return {0, 0};
  return {std::max(area.left, 0L), area.bottom};
}

void TListView::DoSelect() {
  if (OnSelect) OnSelect(*this);
}

void TListView::DoDblClick() {
  if (OnDblClick) OnDblClick(*this);
}

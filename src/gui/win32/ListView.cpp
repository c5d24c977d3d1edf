#include "gui/win32/ListView.h"

#include <vector>

#include <commctrl.h>

#include "win32/WideText.h"

TListView::TListView(TWinControl& parent) {
  CreateHandle(WC_LISTVIEWW, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER,
               WS_EX_CLIENTEDGE, parent.Handle());
}

void TListView::Clear() {
  SendMessageW(Handle(), LVM_DELETEALLITEMS, 0, 0);
  while (SendMessageW(Handle(), LVM_DELETECOLUMN, 0, 0)) {}
  widths_.clear();
}

void TListView::AddColumn(std::string_view caption, int width) {
  std::wstring text = Utf8ToWide(caption);
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = text.data();
  column.cx = width < 0 ? 50 : width;
  const int index = ColumnCount();
  SendMessageW(Handle(), LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
  widths_.push_back(width);
  FitColumns();
}

void TListView::AddRow(std::string_view caption, std::string_view value) {
  std::wstring first = Utf8ToWide(caption);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = RowCount();
  item.pszText = first.data();
  const auto row = static_cast<int>(SendMessageW(Handle(), LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
  if (row < 0) return;
  std::wstring second = Utf8ToWide(value);
  item.iItem = row;
  item.iSubItem = 1;
  item.pszText = second.data();
  SendMessageW(Handle(), LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  FitColumns();
}

void TListView::FitColumns() {
  // Sizing to the texts holds only for the texts there when it is done.
  for (size_t i = 0; i < widths_.size(); ++i)
    if (widths_[i] < 0) SendMessageW(Handle(), LVM_SETCOLUMNWIDTH, i, widths_[i]);
}

int TListView::ColumnCount() const {
  const auto header = reinterpret_cast<HWND>(SendMessageW(Handle(), LVM_GETHEADER, 0, 0));
  return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int TListView::RowCount() const { return static_cast<int>(SendMessageW(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

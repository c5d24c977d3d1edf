#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gui/win32/WinControl.h"

// A table of rows under column headings, read only.
class TListView : public TWinControl {
 public:
  explicit TListView(TWinControl& parent);
  // Removes every column and row.
  void Clear();
  // `width` in pixels, or -2 to fit the heading and the column's texts.
  void AddColumn(std::string_view caption, int width);
  void AddRow(std::string_view caption, std::string_view value);
  int ColumnCount() const;
  int RowCount() const;
  std::string Cell(int row, int column) const;

 private:
  void FitColumns();
  std::vector<int> widths_;
};

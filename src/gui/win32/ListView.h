#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "gui/ReportView.h"
#include "gui/win32/WinControl.h"

// A table of rows under column headings, read only.
class TListView : public TWinControl, public TReportView {
 public:
  explicit TListView(TWinControl& parent);
  void Clear() override;
  // Already so: report style, no caption editing, headings that do not sort.
  void SetReadOnlyReport() override {}
  // `width` in pixels, or -2 to fit the heading and the column's texts.
  void AddColumn(std::string_view caption, int width) override;
  void AddRow(std::string_view caption, std::string_view value) override;
  TComponent& Component() override { return *this; }

 private:
  int ColumnCount() const;
  int RowCount() const;
  void FitColumns();
  std::vector<int> widths_;
};

#pragma once

#include <string_view>

#include "gui/Component.h"

// A list view showing rows of two columns under a header.
class TReportView {
 public:
  // Removes every column and row.
  virtual void Clear() = 0;
  // Report style (rows under a header); item captions cannot be edited and header
  // clicks do nothing.
  virtual void SetReadOnlyReport() = 0;
  // A width of -2 sizes the column to its header (LVSCW_AUTOSIZE_USEHEADER).
  virtual void AddColumn(std::string_view caption, int width) = 0;
  virtual void AddRow(std::string_view caption, std::string_view value) = 0;
  // The control as a component, to be told when it goes.
  virtual TComponent& Component() = 0;

 protected:
  ~TReportView() = default;
};

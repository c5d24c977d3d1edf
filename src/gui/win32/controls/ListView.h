#pragma once

#include <string>
#include <vector>

#include "gui/win32/controls/Label.h"
#include "gui/win32/framework/WinControl.h"

struct TListColumn {
  std::string Caption;
  int Width = 0;  // design pixels
  TAlignment Alignment = TAlignment::Left;
};

struct TListViewOptions {
  std::vector<TListColumn> Columns;  // the last one also takes the width the others leave
  TNotifyEvent OnSelect;             // another row was chosen
  TNotifyEvent OnDblClick;           // a row was double-clicked, or Enter pressed on one
};

// Rows of texts in columns under a header, each row with an object reference; a whole
// row is chosen at a time. Filling it between BeginUpdate and EndUpdate draws it once.
// Its context menu (PopupMenu) is for the chosen row: the right button chooses the row
// under the mouse (or none) first; from the keyboard the menu opens below the chosen row.
class TListView : public TWinControl {
 public:
  TListView(TWinControl& parent, const TListViewOptions& options, const TDesign& design = {});

  void Clear();
  // Expected: how many rows are about to come, so storage can be made at once.
  void BeginUpdate(int expected);
  void EndUpdate();
  // Appends a row: one text for each column, from the first.
  void AddRow(const std::vector<std::string>& texts, void* object);
  void DeleteRow(int row);
  int Count() const;
  void* Object(int row) const;
  // The chosen row, or -1.
  int Selected() const;
  // Chooses a row and scrolls it into view; -1 chooses none.
  void SetSelected(int row);

  TNotifyEvent OnSelect;
  TNotifyEvent OnDblClick;

 protected:
  void Resized() override;
  LRESULT NotifyNotification(NMHDR& header) override;
  void ContextMenuAt(POINT client) override;
  POINT ContextMenuPlace() const override;
  virtual void DoSelect();
  virtual void DoDblClick();

 private:
  int columns_ = 0;
  int updating_ = 0;
  std::u16string wide_;  // reused for every text added
};

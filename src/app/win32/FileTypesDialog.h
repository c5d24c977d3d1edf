#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/win32/FoundFilesForm.h"
#include "chart/PieChart.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/framework/Button.h"

// The scanned tree's files by extension: every type with its total, its number of
// files and its share, largest first, and a chart of the largest types; choosing a
// type lists its largest files. What it lists is found when it shows and let go when
// it hides.
class TFileTypesDialog : public TFoundFilesForm {
 public:
  std::string Colours{kDesignPalette};  // the chart's palette, in its text form

 protected:
  TFileTypesDialog(const TForm& owner, EntryActionTarget& actions);

 private:
  void FormShow(TComponent& sender);
  void FormHide(TComponent& sender);
  void TypeSelect(TComponent& sender);
  // Every type and the chart found again, the type chosen before chosen again (the
  // first when none was, or when it is gone).
  void ListTypes(const std::optional<std::string>& chosen);
  // A file went to the Recycle Bin: every figure shown changes.
  void FileRemoved();

  std::vector<FileType> types_;
  double total_ = 0;

  TListView lvTypes{*this,
                    {.Columns = {{.Caption = "Type", .Width = 110},
                                 {.Caption = "Size", .Width = 110, .Alignment = TAlignment::Right},
                                 {.Caption = "Files", .Width = 70, .Alignment = TAlignment::Right},
                                 {.Caption = "Share", .Width = 56, .Alignment = TAlignment::Right}},
                     .OnSelect = Bind(this, &TFileTypesDialog::TypeSelect)},
                    {.Bounds = {8, 8, 376, 216}, .Anchors = akLeft | akTop | akRight}};
  TPieChart PieTypes{*this, {}, {.Bounds = {392, 8, 216, 216}, .Anchors = akTop | akRight}};
  TLabel lblFiles{*this, {}, {.Bounds = {8, 234, 600, 13}, .Anchors = akLeft | akTop | akRight}};
  TListView lvFiles{*this,
                    {.Columns = FileColumns(), .OnDblClick = [this](TComponent& list) { FileChosen(list); }},
                    {.Bounds = {8, 250, 600, 190}, .Anchors = kAllSides}};
  TEntryMenu FileMenu{{.Target = actions_,
                       .Chosen = [this] { return ChosenFile(lvFiles); },
                       .Removed = [this](const TFolderData&) { FileRemoved(); }}};
  TButton btnClose{*this, {.Caption = "Close", .Cancel = true, .ModalResult = TModalResult::Cancel},
                   {.Bounds = {533, 448, 75, 25}, .Anchors = akRight | akBottom}};
};

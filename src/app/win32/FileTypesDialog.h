#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/TreeFinds.h"
#include "app/win32/EntryMenu.h"
#include "app/win32/LargestFilesDialog.h"
#include "chart/PieChart.h"
#include "gui/win32/controls/Label.h"
#include "gui/win32/controls/ListView.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Form.h"
#include "scan/FolderList.h"
#include "support/FormatSettings.h"

// The scanned tree's files by extension: every type with its total, its number of
// files and its share, largest first, and a chart of the largest types; choosing a
// type lists its largest files. The caller sets the inputs and shows the dialog
// modally; a double-click or Enter on a file closes it with that file in FileToShow.
// What it lists is found when it shows and let go when it hides.
class TFileTypesDialog : public TForm {
 public:
  const TFolderList* Root = nullptr;
  uint8_t Units = 0;  // a DisplayUnitsCode
  uint8_t Mode = 0;   // a DisplayModeCode
  FormatSettings Locale;
  std::string Colours{kDesignPalette};  // the chart's palette, in its text form
  const TFolderData* FileToShow = nullptr;  // after a showing: the file to show, or none

 protected:
  // `actions` carries out what the files' context menu chooses.
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
  void FileDblClick(TComponent& sender);

  EntryActionTarget& actions_;
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
  TListView lvFiles{*this, {.Columns = FileColumns(), .OnDblClick = Bind(this, &TFileTypesDialog::FileDblClick)},
                    {.Bounds = {8, 250, 600, 190}, .Anchors = kAllSides}};
  TEntryMenu FileMenu{{.Target = actions_,
                       .Chosen = [this] { return ChosenFile(lvFiles); },
                       .Removed = [this](const TFolderData&) { FileRemoved(); }}};
  TButton btnClose{*this, {.Caption = "Close", .Cancel = true, .ModalResult = TModalResult::Cancel},
                   {.Bounds = {533, 448, 75, 25}, .Anchors = akRight | akBottom}};
};

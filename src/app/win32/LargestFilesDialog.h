#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/TreeFinds.h"
#include "app/win32/EntryMenu.h"
#include "gui/win32/controls/ListView.h"
#include "gui/win32/framework/Button.h"
#include "gui/win32/framework/Form.h"
#include "scan/FolderList.h"
#include "support/FormatSettings.h"

// The columns of a list of found files, and its rows: each file's size in the units,
// its share of `total` and its path below the scanned folder, the file attached.
std::vector<TListColumn> FileColumns();
void ListFiles(TListView& list, const std::vector<FoundFile>& files, double total, uint8_t units,
               const FormatSettings& locale);
// "12.3%": a size's share of a total, with the locale's decimal separator.
std::string ShareText(double size, double total, const FormatSettings& locale);
// The file of the chosen row of such a list, or none.
const TFolderData* ChosenFile(const TListView& list);

// The largest files of the scanned tree, largest first. The caller sets the inputs and
// shows the dialog modally; a double-click or Enter on a file closes it with that file
// in FileToShow. What it lists is found when it shows and let go when it hides.
class TLargestFilesDialog : public TForm {
 public:
  const TFolderList* Root = nullptr;
  uint8_t Units = 0;  // a DisplayUnitsCode
  uint8_t Mode = 0;   // a DisplayModeCode
  FormatSettings Locale;
  const TFolderData* FileToShow = nullptr;  // after a showing: the file to show, or none

 protected:
  // `actions` carries out what the files' context menu chooses.
  TLargestFilesDialog(const TForm& owner, EntryActionTarget& actions);

 private:
  void FormShow(TComponent& sender);
  void FormHide(TComponent& sender);
  void FileDblClick(TComponent& sender);
  // The largest files found again.
  void ListLargest();
  // A file went to the Recycle Bin: the list is found again, the line chosen stays.
  void FileRemoved();

  EntryActionTarget& actions_;

  TListView lvFiles{*this, {.Columns = FileColumns(), .OnDblClick = Bind(this, &TLargestFilesDialog::FileDblClick)},
                    {.Bounds = {8, 8, 584, 352}, .Anchors = kAllSides}};
  TEntryMenu FileMenu{{.Target = actions_,
                       .Chosen = [this] { return ChosenFile(lvFiles); },
                       .Removed = [this](const TFolderData&) { FileRemoved(); }}};
  TButton btnClose{*this, {.Caption = "Close", .Cancel = true, .ModalResult = TModalResult::Cancel},
                   {.Bounds = {517, 368, 75, 25}, .Anchors = akRight | akBottom}};
};

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/TreeFinds.h"
#include "app/win32/EntryMenu.h"
#include "gui/win32/controls/ListView.h"
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

// A dialog that finds files in the scanned tree: what it is asked to show, and the
// file it closes with. The caller sets the inputs and shows it modally; a double-click
// or Enter on a file of a list bound to FileChosen closes it with that file.
class TFoundFilesForm : public TForm {
 public:
  const TFolderList* Root = nullptr;
  uint8_t Units = 0;  // a DisplayUnitsCode
  uint8_t Mode = 0;   // a DisplayModeCode
  FormatSettings Locale;
  const TFolderData* FileToShow = nullptr;  // after a showing: the file to show, or none

 protected:
  // `actions` carries out what the files' context menu chooses.
  TFoundFilesForm(const TFormOptions& options, EntryActionTarget& actions);

  void FileChosen(TComponent& list);

  EntryActionTarget& actions_;
};

#pragma once

#include "app/win32/FoundFilesForm.h"
#include "gui/win32/framework/Button.h"

// The largest files of the scanned tree, largest first. What it lists is found when it
// shows and let go when it hides.
class TLargestFilesDialog : public TFoundFilesForm {
 protected:
  TLargestFilesDialog(const TForm& owner, EntryActionTarget& actions);

 private:
  void FormShow(TComponent& sender);
  void FormHide(TComponent& sender);
  // The largest files found again.
  void ListLargest();
  // A file went to the Recycle Bin: the list is found again, the line chosen stays.
  void FileRemoved();

  TListView lvFiles{*this,
                    {.Columns = FileColumns(), .OnDblClick = [this](TComponent& list) { FileChosen(list); }},
                    {.Bounds = {8, 8, 584, 352}, .Anchors = kAllSides}};
  TEntryMenu FileMenu{{.Target = actions_,
                       .Chosen = [this] { return ChosenFile(lvFiles); },
                       .Removed = [this](const TFolderData&) { FileRemoved(); }}};
  TButton btnClose{*this, {.Caption = "Close", .Cancel = true, .ModalResult = TModalResult::Cancel},
                   {.Bounds = {517, 368, 75, 25}, .Anchors = akRight | akBottom}};
};

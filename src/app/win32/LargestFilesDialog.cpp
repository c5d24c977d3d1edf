#include "app/win32/LargestFilesDialog.h"

#include <algorithm>

TLargestFilesDialog::TLargestFilesDialog(const TForm& owner, EntryActionTarget& actions)
    : TFoundFilesForm({.Caption = "Velmora - largest files", .MinimizeBox = false, .Design = {180, 110, 608, 427},
                       .ClientSize = {600, 400}, .Owner = &owner},
                      actions) {
  lvFiles.PopupMenu = &FileMenu;
  ActiveControl = &lvFiles;
  OnShow = Bind(this, &TLargestFilesDialog::FormShow);
  OnHide = Bind(this, &TLargestFilesDialog::FormHide);
}

void TLargestFilesDialog::FormShow(TComponent&) {
  FileToShow = nullptr;
  ListLargest();
}

void TLargestFilesDialog::ListLargest() {
  const TreeFinds finds = Root ? FindInTree(*Root, {.Mode = Mode}) : TreeFinds{};
  ListFiles(lvFiles, finds.Largest, finds.Total, Units, Locale);
}

void TLargestFilesDialog::FileRemoved() {
  const int chosen = lvFiles.Selected();
  ListLargest();  // the shares change with the total, and the next file moves up
  if (chosen >= 0 && lvFiles.Count() > 0) lvFiles.SetSelected(std::min(chosen, lvFiles.Count() - 1));
}

void TLargestFilesDialog::FormHide(TComponent&) { lvFiles.Clear(); }

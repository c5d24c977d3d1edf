#include "app/win32/LargestFilesDialog.h"

#include <algorithm>

#include "app/UsageView.h"
#include "support/Format.h"

std::vector<TListColumn> FileColumns() {
  return {{.Caption = "Size", .Width = 110, .Alignment = TAlignment::Right},
          {.Caption = "Share", .Width = 56, .Alignment = TAlignment::Right},
          {.Caption = "Path", .Width = 300}};
}

void ListFiles(TListView& list, const std::vector<FoundFile>& files, double total, uint8_t units,
               const FormatSettings& locale) {
  list.BeginUpdate(static_cast<int>(files.size()));
  list.Clear();
  for (const FoundFile& file : files)
    list.AddRow({SizeText(file.Size, units, locale), ShareText(file.Size, total, locale), PathBelowRoot(*file.File)},
                const_cast<TFolderData*>(file.File));
  list.EndUpdate();
  if (list.Count() > 0) list.SetSelected(0);
}

std::string ShareText(double size, double total, const FormatSettings& locale) {
  return Format("%.1n%%", {total > 0 ? size / total * 100 : 0.0}, locale);
}

const TFolderData* ChosenFile(const TListView& list) {
  return list.Selected() < 0 ? nullptr : static_cast<const TFolderData*>(list.Object(list.Selected()));
}

TLargestFilesDialog::TLargestFilesDialog(const TForm& owner, EntryActionTarget& actions)
    : TForm({.Caption = "Velmora - largest files", .MinimizeBox = false, .Design = {180, 110, 608, 427},
             .ClientSize = {600, 400}, .Owner = &owner}),
      actions_(actions) {
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

void TLargestFilesDialog::FileDblClick(TComponent& sender) {
  FileToShow = ChosenFile(static_cast<TListView&>(sender));
  if (FileToShow) SetModalResult(TModalResult::Ok);
}

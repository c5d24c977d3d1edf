#include "app/win32/FoundFilesForm.h"

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

TFoundFilesForm::TFoundFilesForm(const TFormOptions& options, EntryActionTarget& actions)
    : TForm(options), actions_(actions) {}

void TFoundFilesForm::FileChosen(TComponent& list) {
  FileToShow = ChosenFile(static_cast<TListView&>(list));
  if (FileToShow) SetModalResult(TModalResult::Ok);
}

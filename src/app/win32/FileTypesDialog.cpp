#include "app/win32/FileTypesDialog.h"

#include <algorithm>

#include "app/UsageView.h"
#include "support/Format.h"
#include "support/Numbers.h"

namespace {

// The chart shows this many types, and the rest as one segment.
constexpr size_t kChartTypes = 20;

std::vector<TPieLine> ChartLines(const std::vector<FileType>& types) {
  std::vector<TPieLine> lines;
  double rest = 0;
  for (size_t i = 0; i < types.size(); ++i) {
    if (i < kChartTypes) lines.push_back({Str(types[i].Size, 1, 0) + "   " + ExtensionText(types[i].Extension)});
    else rest += types[i].Size;
  }
  if (types.size() > kChartTypes) lines.push_back({Str(rest, 1, 0) + "   other"});
  return lines;
}

}  // namespace

TFileTypesDialog::TFileTypesDialog(const TForm& owner, EntryActionTarget& actions)
    : TFoundFilesForm({.Caption = "Velmora - file types", .MinimizeBox = false, .Design = {170, 90, 624, 508},
                       .ClientSize = {616, 481}, .Owner = &owner},
                      actions) {
  lvFiles.PopupMenu = &FileMenu;
  ActiveControl = &lvTypes;
  OnShow = Bind(this, &TFileTypesDialog::FormShow);
  OnHide = Bind(this, &TFileTypesDialog::FormHide);
}

void TFileTypesDialog::FormShow(TComponent&) {
  FileToShow = nullptr;
  PieTypes.SetColours(Colours);
  if (PieTypes.NumColours() == 0) PieTypes.SetColours(kDesignPalette);
  ListTypes({});
}

void TFileTypesDialog::FileRemoved() {
  const auto* type = static_cast<const FileType*>(lvTypes.Object(lvTypes.Selected()));
  ListTypes(type ? std::optional(type->Extension) : std::nullopt);
}

void TFileTypesDialog::ListTypes(const std::optional<std::string>& chosen) {
  TreeFinds finds = Root ? FindInTree(*Root, {.Mode = Mode, .Limit = 0}) : TreeFinds{};
  types_ = std::move(finds.Types);
  total_ = finds.Total;
  lvTypes.BeginUpdate(static_cast<int>(types_.size()));
  lvTypes.Clear();
  for (FileType& type : types_)
    lvTypes.AddRow({ExtensionText(type.Extension), SizeText(type.Size, Units, Locale),
                    Format("%1.n", {static_cast<int64_t>(type.Files)}, Locale), ShareText(type.Size, total_, Locale)},
                   &type);
  lvTypes.EndUpdate();
  PieTypes.LoadFromList(ChartLines(types_));
  const auto found =
      std::find_if(types_.begin(), types_.end(), [&](const FileType& type) { return type.Extension == chosen; });
  if (!types_.empty()) lvTypes.SetSelected(found == types_.end() ? 0 : static_cast<int>(found - types_.begin()));
}

void TFileTypesDialog::FormHide(TComponent&) {
  lvTypes.Clear();
  lvFiles.Clear();
  lblFiles.SetCaption("");
  PieTypes.Clear();
  types_ = {};
}

void TFileTypesDialog::TypeSelect(TComponent&) {
  const auto* type = static_cast<const FileType*>(lvTypes.Object(lvTypes.Selected()));
  if (!type || !Root) return;
  lblFiles.SetCaption("Largest files of type " + ExtensionText(type->Extension) + ":");
  const TreeFinds finds = FindInTree(*Root, {.Mode = Mode, .Extension = type->Extension});
  ListFiles(lvFiles, finds.Largest, total_, Units, Locale);
}

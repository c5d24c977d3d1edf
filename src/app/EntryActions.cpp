#include "app/EntryActions.h"

#include "app/UsageView.h"
#include "scan/TreeWalk.h"
#include "support/Format.h"

namespace {

std::string Counted(int32_t count, const char* noun, const FormatSettings& locale) {
  return Format("%1.n ", {int64_t{count}}, locale) + noun + (count == 1 ? "" : "s");
}

}  // namespace

EntryActions OfferedActions(const TFolderData& entry, const EntryContext& context) {
  if (context.Scanning || !IsFileOrFolder(entry)) return {};
  if (context.FromExport) return {EntryAction::CopyPath};
  return {EntryAction::Open, EntryAction::ShowInExplorer, EntryAction::CopyPath, EntryAction::Recycle};
}

std::string EntryPath(const TFolderData& entry) {
  const std::string_view name = entry.Name();
  // A folder's entry is "\" + its name; the level's path ends in its separator.
  return entry.OwnerList->Path() + std::string(entry.SubList ? name.substr(1) : name);
}

std::string RecycleQuestion(const TFolderData& entry, uint8_t units, uint8_t mode, const FormatSettings& locale) {
  std::string question = "Move " + EntryPath(entry) + " (" + SizeText(SizeOf(entry, mode), units, locale);
  if (entry.SubList)
    question += ", " + Counted(entry.FileCount, "file", locale) + " and " +
                Counted(entry.SubList->FolderCount(), "folder", locale);
  return question + ") to the Recycle Bin?";
}

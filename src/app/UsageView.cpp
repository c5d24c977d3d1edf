#include "app/UsageView.h"

#include <algorithm>

#include "support/Format.h"
#include "support/Numbers.h"
#include "support/Strings.h"

namespace {

struct Units {
  double Divisor;
  int Decimals;
};

Units UnitsOf(uint8_t units) {
  switch (units) {
    case kUnitsKB: return {1024, 1};
    case kUnitsMB: return {1048576, 2};
    case kUnitsGB: return {1073741824, 3};
    default: return {1, 0};
  }
}

double SizeOf(const TFolderData& entry, uint8_t mode) {
  switch (mode) {
    case kModeAllocated: return entry.Allocated;
    case kModeSlack: return entry.Slack;
    default: return entry.Nominal;
  }
}

double TotalOf(const TFolderList& level, uint8_t mode) {
  switch (mode) {
    case kModeAllocated: return level.AllocatedTotal();
    case kModeSlack: return level.SlackTotal();
    default: return level.NominalTotal();
  }
}

}  // namespace

std::string SizeText(double bytes, uint8_t units, const FormatSettings& locale) {
  switch (units) {
    case kUnitsKB: return Format("%1.1n KB", {bytes / 1024}, locale);
    case kUnitsMB: return Format("%1.2n MB", {bytes / 1048576}, locale);
    case kUnitsGB: return Format("%1.3n GB", {bytes / 1073741824}, locale);
    default: return Format("%1.n bytes", {bytes}, locale);
  }
}

std::vector<TPieLine> UsageLines(const TFolderList& level, uint8_t units, uint8_t mode) {
  const Units unit = UnitsOf(units);
  std::vector<TPieLine> lines;
  lines.reserve(level.Count());
  for (TFolderData* entry : level.Entries()) {
    const double value = units == kUnitsCount ? entry->FileCount : SizeOf(*entry, mode) / unit.Divisor;
    TPieLine& line = lines.emplace_back(TPieLine{Str(value, 3, unit.Decimals), entry});
    line.Text += "   ";
    line.Text += LowerCase(entry->Name());
  }
  return lines;
}

std::string FilesText(int32_t count, const FormatSettings& locale) {
  return Format("Files: %1.n", {int64_t{count}}, locale);
}

std::string FoldersText(int32_t count, const FormatSettings& locale) {
  return Format("Folders: %1.n", {int64_t{count}}, locale);
}

UsageTexts LevelTexts(const TFolderList& level, uint8_t units, uint8_t mode, const FormatSettings& locale) {
  UsageTexts texts;
  const std::string path = level.Path();
  texts.Panels[0] = SizeText(TotalOf(level, mode), units, locale);
  texts.Panels[1] = FilesText(level.FileCount(), locale);
  texts.Panels[2] = FoldersText(level.FolderCount(), locale);
  texts.Panels[3] = Format("%s....", {path}, locale);
  texts.Caption = "Velmora - " + path;
  const std::string length = std::to_string(level.LongestPathLength());
  texts.MaxPathCaption = "Max path: " + length;
  texts.MaxPathHint = "Maximum characters in file name is " + length + " at " + level.LongestPath();
  return texts;
}

TFolderList* LevelToOpen(const TFolderData* entry) {
  if (!entry) return nullptr;
  if (entry->SubList) return entry->SubList;
  return entry->ParentLevel();
}

std::string ListLineHint(std::string_view line) {
  const size_t blank = line.find(' ');
  return Trim(blank == std::string_view::npos ? line : line.substr(blank));
}

TFolderList* LevelAt(TFolderList& root, std::string_view path) {
  const std::string rootPath = root.Path();
  if (!path.starts_with(rootPath)) return nullptr;
  TFolderList* level = &root;
  for (std::string_view rest = path.substr(rootPath.size()); !rest.empty();) {
    const size_t end = std::min(rest.find(PathSeparator(rootPath)), rest.size());
    const std::string_view name = rest.substr(0, end);
    rest.remove_prefix(std::min(end + 1, rest.size()));
    TFolderList* below = nullptr;
    for (const TFolderData* entry : level->Entries())
      if (entry->SubList && entry->Name().starts_with('\\') && entry->Name().substr(1) == name) below = entry->SubList;
    if (!below) return nullptr;
    level = below;
  }
  return level;
}

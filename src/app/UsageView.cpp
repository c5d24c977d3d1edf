#include "app/UsageView.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>

#include "support/Format.h"
#include "support/Numbers.h"
#include "support/Strings.h"

namespace {

struct Units {
  int64_t Divisor;
  int Decimals;
  int64_t Scale;  // 10 to the decimals
};

Units UnitsOf(uint8_t units) {
  switch (units) {
    case kUnitsKB: return {1024, 1, 10};
    case kUnitsMB: return {1048576, 2, 100};
    case kUnitsGB: return {1073741824, 3, 1000};
    default: return {1, 0, 1};
  }
}

// Writes the number Str(amount / divisor, 3, decimals) shows for `amount` in the
// units, and gives the value reading it back gives: its magnitude divided and rounded
// to the decimals, halves up. Worked in integers, as the quotient is exact in binary
// but not in decimal; the last division then gives the same nearest double that
// reading the digits does. An amount that is not a whole number of bytes or files
// within a double's integers goes to Str, and the chart reads its text instead.
std::optional<double> WriteNumber(std::string& text, double amount, const Units& unit) {
  const double magnitude = std::fabs(amount);
  if (!(magnitude < 0x1p53) || magnitude != std::floor(magnitude)) {
    text = Str(amount / static_cast<double>(unit.Divisor), 3, unit.Decimals);
    return std::nullopt;
  }
  const auto whole = static_cast<int64_t>(magnitude);
  const int64_t rest = whole % unit.Divisor * unit.Scale;
  const int64_t shown = whole / unit.Divisor * unit.Scale + (2 * rest + unit.Divisor) / (2 * unit.Divisor);
  char digits[32];
  char* end = std::to_chars(digits, std::end(digits), shown / unit.Scale).ptr;
  if (unit.Decimals > 0) *end++ = '.';
  for (int64_t place = unit.Scale / 10; place > 0; place /= 10) *end++ = static_cast<char>('0' + shown / place % 10);
  const size_t length = (amount < 0 ? 1 : 0) + static_cast<size_t>(end - digits);
  text.assign(length < 3 ? 3 - length : 0, ' ');  // Str's width
  if (amount < 0) text += '-';
  text.append(digits, end);
  return static_cast<double>(shown) / static_cast<double>(unit.Scale);
}

double TotalOf(const TFolderList& level, uint8_t mode) {
  switch (mode) {
    case kModeAllocated: return level.AllocatedTotal();
    case kModeSlack: return level.SlackTotal();
    default: return level.NominalTotal();
  }
}

}  // namespace

double SizeOf(const TFolderData& entry, uint8_t mode) {
  switch (mode) {
    case kModeAllocated: return entry.Allocated;
    case kModeSlack: return entry.Slack();
    default: return entry.Nominal;
  }
}

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
  std::string text;  // one buffer for all; lower-casing leaves the number and blanks as they are
  for (TFolderData* entry : level.Entries()) {
    const std::optional<double> value =
        WriteNumber(text, units == kUnitsCount ? entry->FileCount : SizeOf(*entry, mode), unit);
    text += "   ";
    text += entry->Name();
    lines.push_back({LowerCase(text), entry, value});
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

#include "dialogs/FilePropertyTexts.h"

#include "support/DateTimeFormat.h"
#include "support/FilePaths.h"
#include "support/Format.h"
#include "support/Strings.h"

namespace {

constexpr double kKilo = 1024.0;
constexpr double kMega = 1048576.0;
constexpr double kGiga = 1073741824.0;

std::string Hex4(std::span<const uint8_t> bytes, size_t at) {
  return Format("%.4x", {int64_t{bytes[at] | bytes[at + 1] << 8}});
}

// Days since 1970-01-01 to a calendar date (the proleptic Gregorian calendar).
DateTime CivilDate(int64_t days) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const int64_t dayOfEra = days - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  DateTime when;
  when.Day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  when.Month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  when.Year = static_cast<int>(yearOfEra + era * 400 + (when.Month <= 2 ? 1 : 0));
  return when;
}

DateTime FromFileTime(uint64_t fileTime) {
  constexpr int64_t kDaysFrom1601To1970 = 134774;
  const uint64_t seconds = fileTime / 10000000;
  DateTime when = CivilDate(static_cast<int64_t>(seconds / 86400) - kDaysFrom1601To1970);
  const uint64_t secondOfDay = seconds % 86400;
  when.Hour = static_cast<int>(secondOfDay / 3600);
  when.Minute = static_cast<int>(secondOfDay / 60 % 60);
  when.Second = static_cast<int>(secondOfDay % 60);
  return when;
}

}  // namespace

std::optional<std::string> TranslationKey(std::span<const uint8_t> translation) {
  if (translation.size() == 2) return Hex4(translation, 0) + "0000";
  if (translation.size() < 4) return std::nullopt;
  return Hex4(translation, 0) + Hex4(translation, 2);
}

std::optional<VersionPageTexts> ReadVersionPageTexts(const VersionBlock& block) {
  const auto translation = block.Value("\\VarFileInfo\\Translation");
  const std::optional<std::string> key = translation ? TranslationKey(*translation) : std::nullopt;
  if (!key) return std::nullopt;
  const std::string prefix = "\\StringFileInfo\\" + *key + "\\";
  const auto lookUp = [&](const char* name) { return block.String(prefix + name).value_or(std::string()); };
  VersionPageTexts texts;
  for (const char* name : {"LegalCopyright", "FileDescription", "FileVersion"}) {
    texts.Labels.push_back({name, lookUp(name)});
  }
  for (const char* name :
       {"Comments", "CompanyName", "InternalName", "OriginalFilename", "ProductName", "ProductVersion"}) {
    std::string value = lookUp(name);
    if (!value.empty()) texts.Others.push_back({name, std::move(value)});
  }
  return texts;
}

std::string FileSizeText(uint64_t bytes, const FormatSettings& settings) {
  const double size = static_cast<double>(bytes);
  std::string text;
  if (size < kKilo) text = Format("%1.n bytes", {size}, settings);
  else if (size < kMega) text = Format("%.2n KB", {size / kKilo}, settings);
  else if (size < kGiga) text = Format("%.2n MB", {size / kMega}, settings);
  else text = Format("%.2n GB", {size / kGiga}, settings);
  return text + Format(" (%.0n bytes)", {size}, settings);
}

std::string CompressedSizeText(uint64_t bytes, const FormatSettings& settings) {
  const double size = static_cast<double>(bytes);
  std::string text;
  if (size < kKilo) text = std::to_string(bytes) + " bytes";
  else if (size < kMega) text = Format("%.2n KB", {size / kKilo}, settings);
  else text = Format("%.2n MB", {size / kMega}, settings);
  return text + Format(" (%.0n bytes)", {size}, settings);
}

std::string FormatFileTime(uint64_t fileTime, const FormatSettings& settings) {
  if (fileTime == 0) return "(unknown)";
  return FormatDateTime("yyyy-mmm-dd hh:nn:ss", FromFileTime(fileTime), settings);
}

std::string FormatFileDate(uint64_t fileTime, const FormatSettings& settings) {
  if (fileTime == 0) return "(unknown)";
  return FormatDateTime("yyyy-mmm-dd", FromFileTime(fileTime), settings);
}

std::string FileTypeText(std::string_view shellType, std::string_view path) {
  if (!shellType.empty()) return std::string(shellType);
  const std::string_view extension = ExtractFileExt(path);
  return UpperCase(extension.substr(extension.empty() ? 0 : 1)) + " file";
}

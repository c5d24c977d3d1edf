#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/VersionBlock.h"
#include "support/FormatSettings.h"

// The texts of the file properties dialog.

// The string table key of a translation value, from its first entry: language then
// code page as four upper-case hexadecimal digits each ("080904E4"). A 2-byte value
// is a language alone ("04090000"). Zeros stay zeros; a value shorter than 2 bytes, or
// of 3, gives none.
std::optional<std::string> TranslationKey(std::span<const uint8_t> translation);

struct VersionItem {
  std::string Key;
  std::string Value;
};

// What the Version page shows.
struct VersionPageTexts {
  // "LegalCopyright", "FileDescription", "FileVersion", each shown by the label named
  // "lbl" + key; a missing string is empty.
  std::vector<VersionItem> Labels;
  // "Comments", "CompanyName", "InternalName", "OriginalFilename", "ProductName",
  // "ProductVersion" in this order, those with an empty value left out.
  std::vector<VersionItem> Others;
};

// Nothing when the block has no usable translation value: the page then shows no values.
std::optional<VersionPageTexts> ReadVersionPageTexts(const VersionBlock& block);

// "500 bytes (500 bytes)", "1.50 KB (1,536 bytes)", then MB and GB from 1 MB and 1 GB.
std::string FileSizeText(uint64_t bytes, const FormatSettings& settings = {});
// As the size, but the bytes below 1 KB without separators and nothing above MB.
std::string CompressedSizeText(uint64_t bytes, const FormatSettings& settings = {});

// A file time (100-nanosecond intervals since 1601, UTC as the file system keeps it)
// as "yyyy-mmm-dd hh:nn:ss"; "(unknown)" for 0.
std::string FormatFileTime(uint64_t fileTime, const FormatSettings& settings = {});
// Its date part alone, "yyyy-mmm-dd"; "(unknown)" for 0.
std::string FormatFileDate(uint64_t fileTime, const FormatSettings& settings = {});

// The shell's type name, or else the extension upper-cased and " file" ("TXT file",
// " file" without an extension).
std::string FileTypeText(std::string_view shellType, std::string_view path);

// The location is the folder part of the path: ExtractFilePath (support/FilePaths.h).

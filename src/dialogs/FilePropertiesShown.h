#pragma once

#include <memory>
#include <optional>
#include <string>

#include "dialogs/FileFacts.h"
#include "dialogs/FilePropertyTexts.h"
#include "support/FormatSettings.h"

// The attributes the dialog shows, as found at the showing; its boxes are held to them.
struct TFileAttributes {
  bool Hidden = false;
  bool System = false;
  bool ReadOnly = false;
  bool Archive = false;
  bool Compressed = false;
  bool operator==(const TFileAttributes&) const = default;
};

// Everything one showing of the file properties dialog shows, worked out afresh.
struct FilePropertiesShown {
  bool Found = false;  // otherwise only the caption and the error panel's text count
  std::string Caption;
  std::string ErrorText;
  // The General page.
  std::string Name, Type, Location, Size, ShortName, Created, Modified, Accessed;
  std::unique_ptr<TPicture> Icon;  // none: the image keeps what it showed
  TFileAttributes Attributes;
  std::optional<std::string> CompressedSize;  // its row shows only with one
  bool OnlineOnly = false;  // its data is elsewhere, and was left there
  // The Version page: its tab, and what it shows; none when the data could not be
  // read, and then its labels keep their texts.
  bool VersionTab = false;
  std::optional<VersionPageTexts> Version;
};

// What the dialog shows of `fileName`. A file that only stands for one kept elsewhere
// (offline, or recalled on opening) is never opened: no version data is read, and the
// shell goes by its name and attributes.
FilePropertiesShown DescribeFile(const std::string& fileName, FileFacts& facts, const FormatSettings& locale);

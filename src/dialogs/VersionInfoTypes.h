#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "dialogs/VersionBlock.h"
#include "support/EnumSet.h"

// The predefined strings of a version resource; the ordinal is GetPredefinedValue's index.
enum TPreDef : uint8_t {
  pdCompanyName, pdFileDescription, pdFileVersion, pdInternalName, pdLegalCopyright,
  pdLegalTrademarks, pdOriginalFilename, pdProductName, pdProductVersion, pdComments, pdBuildFlags
};
constexpr int32_t kPreDefCount = 11;
using TPreDefs = EnumSet<TPreDef>;
constexpr TPreDefs kAllPreDefs = {
    pdCompanyName,      pdFileDescription, pdFileVersion,    pdInternalName, pdLegalCopyright, pdLegalTrademarks,
    pdOriginalFilename, pdProductName,     pdProductVersion, pdComments,     pdBuildFlags};

// The string-table key of each member, which is fixed text.
constexpr std::array<std::string_view, kPreDefCount> kPreDefKeys = {
    "CompanyName",      "FileDescription", "FileVersion",    "InternalName", "LegalCopyright", "LegalTrademarks",
    "OriginalFilename", "ProductName",     "ProductVersion", "Comments",     "BuildFlags"};

// The build flags, in the order their captions are listed.
enum TVersionFileFlag : uint8_t { ffDebug, ffInfoInferred, ffPatched, ffPreRelease, ffPrivate, ffSpecial };
constexpr int32_t kVersionFileFlagCount = 6;
using TVersionFileFlags = EnumSet<TVersionFileFlag, uint8_t>;

// What the reader shows, from the program's string table on Windows; English here.
struct TVersionInfoCaptions {
  std::array<std::string, kPreDefCount> PreDefs = {
      "Company Name",      "File Description", "File Version",    "Internal Name", "Legal Copyright",
      "Legal Trademarks",  "Original Filename", "Product Name",   "Product Version", "Comments",
      "Build Flags"};
  std::array<std::string, kVersionFileFlagCount> Flags = {"Debug",       "Info Inferred", "Patched",
                                                          "Pre-Release", "Private",       "Special"};
  std::string Resource = "Resource";
  std::string Value = "Value";
};

// The fixed part of the last read; every accessor answers 0 (or no flags) without one.
class TFixedFileVersionInfo {
 public:
  void Assign(const std::optional<FixedFileInfo>& info) { info_ = info; }
  uint32_t FileVersionMS() const { return info_ ? info_->FileVersionMS : 0; }
  uint32_t FileVersionLS() const { return info_ ? info_->FileVersionLS : 0; }
  uint32_t ProductVersionMS() const { return info_ ? info_->ProductVersionMS : 0; }
  uint32_t ProductVersionLS() const { return info_ ? info_->ProductVersionLS : 0; }
  // From the file-flags word alone: the flags mask is not applied.
  TVersionFileFlags FileFlags() const;

 private:
  std::optional<FixedFileInfo> info_;
};

// A four-part version number, or a text that stands for it.
class TVersionNumberInformation {
 public:
  bool Valid() const { return valid_; }
  uint32_t VersionMS() const { return ms_; }
  uint32_t VersionLS() const { return ls_; }
  const std::string& VersionText() const { return text_; }
  uint16_t Major() const { return valid_ ? static_cast<uint16_t>(ms_ >> 16) : 0; }
  uint16_t Minor() const { return valid_ ? static_cast<uint16_t>(ms_) : 0; }
  uint16_t Release() const { return valid_ ? static_cast<uint16_t>(ls_ >> 16) : 0; }
  uint16_t Build() const { return valid_ ? static_cast<uint16_t>(ls_) : 0; }
  // Empty while not valid; else the text when there is one, else "Major.Minor.Release.Build".
  std::string AsString() const;

  void Assign(uint32_t ms, uint32_t ls, std::string text);
  // Not valid any more; the words and text stay as they were.
  void Invalidate() { valid_ = false; }

 private:
  bool valid_ = false;
  uint32_t ms_ = 0;
  uint32_t ls_ = 0;
  std::string text_;
};

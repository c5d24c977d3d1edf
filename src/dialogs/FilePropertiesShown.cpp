#include "dialogs/FilePropertiesShown.h"

#include "scan/ScanPlatform.h"
#include "support/FilePaths.h"

namespace {

constexpr uint32_t kReadOnly = 0x1, kHidden = 0x2, kSystem = 0x4, kArchive = 0x20;
constexpr uint32_t kRecallOnOpen = 0x40000;
// A file that only stands for one kept elsewhere (a cloud provider's): opening it would
// fetch the data.
constexpr uint32_t kPlaceholder = kAttributeOffline | kRecallOnOpen | kAttributeRecallOnDataAccess;

}  // namespace

FilePropertiesShown DescribeFile(const std::string& fileName, FileFacts& facts, const FormatSettings& locale) {
  FilePropertiesShown shown;
  const std::optional<FileFacts::Record> found = facts.Find(fileName);
  if (!found) {
    shown.Caption = "Error - can't find this file";
    shown.ErrorText = fileName;
    return shown;
  }
  shown.Found = true;
  shown.OnlineOnly = (found->Attributes & kPlaceholder) != 0;
  if (!shown.OnlineOnly) {
    const FileFacts::Version version = facts.ReadVersion(fileName);
    shown.VersionTab = version.Present;
    if (!version.Block.empty()) shown.Version = ReadVersionPageTexts(VersionBlock(version.Block));
  }
  // Its attributes stand for an online-only file: the shell then gives its type's icon.
  const std::optional<uint32_t> standIn = shown.OnlineOnly ? std::optional(found->Attributes) : std::nullopt;
  FileFacts::ShellInfo shell = facts.Shell(fileName, standIn);
  shown.Icon = std::move(shell.Icon);
  shown.Type = FileTypeText(shell.TypeName, fileName);
  shown.Location = ExtractFilePath(fileName);
  shown.Name = found->Name;
  shown.ShortName = found->ShortName.empty() ? found->Name : found->ShortName;
  shown.Caption = found->Name + " properties";
  shown.Size = FileSizeText(found->Size, locale);
  shown.Modified = FormatFileTime(found->Modified, locale);
  shown.Created = FormatFileTime(found->Created, locale);
  shown.Accessed = FormatFileDate(found->Accessed, locale);
  const uint32_t bits = found->Attributes;
  shown.Attributes = {.Hidden = (bits & kHidden) != 0,
                      .System = (bits & kSystem) != 0,
                      .ReadOnly = (bits & kReadOnly) != 0,
                      .Archive = (bits & kArchive) != 0,
                      .Compressed = (bits & kAttributeCompressed) != 0};
  if (shown.Attributes.Compressed)
    if (const std::optional<uint64_t> size = facts.CompressedSize(fileName))
      shown.CompressedSize = CompressedSizeText(*size, locale);
  return shown;
}

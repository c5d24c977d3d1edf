#include "scan/win32/Win32ScanPlatform.h"

#include <vector>

#include "scan/win32/NtDirectory.h"
#include "support/Utf8.h"
#include "win32/Files.h"
#include "win32/Handles.h"
#include "win32/RealFileSystem.h"
#include "win32/WideText.h"
#include "win32/WinApi.h"

namespace {

constexpr ULONG kListingBufferSize = 64 * 1024;
constexpr NTSTATUS kNoMoreFiles = static_cast<NTSTATUS>(0x80000006);

// Why a folder could not be opened or listed.
ListingOutcome OutcomeOf(NTSTATUS status) {
  switch (static_cast<uint32_t>(status)) {
    case 0xC0000022: return ListingOutcome::AccessDenied;  // STATUS_ACCESS_DENIED
    case 0xC0000034:                                        // STATUS_OBJECT_NAME_NOT_FOUND
    case 0xC000003A:                                        // STATUS_OBJECT_PATH_NOT_FOUND
    case 0xC0000103: return ListingOutcome::NotFound;       // STATUS_NOT_A_DIRECTORY: replaced by a file
    case 0xC0000106: return ListingOutcome::PathTooLong;    // STATUS_NAME_TOO_LONG
    default: return ListingOutcome::Failed;
  }
}

// Wine answers a listing query with every entry that fits, so a buffer left with room
// for another entry holds the rest of the folder; on Windows a file system (a network
// redirector) may send fewer, so there only "no more files" ends a listing.
bool ListingFillsTheBuffer() {
  return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// True when `tail` holds only names as the walk appends them: no "." or ".." folder,
// no empty name, no forward slash. Anything else needs the full path resolution.
bool IsPlainTail(std::string_view tail) {
  if (tail.find('/') != std::string_view::npos) return false;
  size_t start = 0;
  while (start < tail.size()) {
    size_t end = tail.find('\\', start);
    if (end == std::string_view::npos) end = tail.size();
    const std::string_view name = tail.substr(start, end - start);
    if (name.empty() || name == "." || name == "..") return false;
    start = end + 1;
  }
  return true;
}

}  // namespace

Win32ScanPlatform::Win32ScanPlatform(std::function<void()> processMessages)
    : processMessages_(std::move(processMessages)), listingFillsTheBuffer_(ListingFillsTheBuffer()) {}

std::wstring Win32ScanPlatform::ExtendedPath(const std::string& path) {
  if (givenRoot_.empty() || path.compare(0, givenRoot_.size(), givenRoot_) != 0 ||
      !IsPlainTail(std::string_view(path).substr(givenRoot_.size()))) {
    givenRoot_ = path;
    extendedRoot_ = ExtendedLengthPath(Utf8ToWide(path));
  }
  return extendedRoot_ + Utf8ToWide(std::string_view(path).substr(givenRoot_.size()));
}

// One open and, mostly, one query per folder: each is a round trip to the server under
// Wine, where the directory search needs one more query to learn that nothing is left.
ListingOutcome Win32ScanPlatform::ListFolder(const std::string& folderPath, FolderListing& listing) {
  const std::wstring path = ExtendedPath(folderPath);
  // Longer than a path can be, or not absolute (its full path could not be had).
  if (path.size() > 32767) return ListingOutcome::PathTooLong;
  if (path.rfind(L"\\\\?\\", 0) != 0) return ListingOutcome::Failed;
  // "\\?\C:\x\" and "\\?\UNC\server\share\" name the same as "\??\C:\x\" and "\??\UNC\...".
  NTSTATUS status = 0;
  const FileHandle folder = [&] {
    const RealFileSystem real;
    return FileHandle(OpenFolderForListing(nullptr, L"\\??\\" + path.substr(4), &status));
  }();
  if (!folder) return OutcomeOf(status);
  if (buffer_.empty()) buffer_.resize(kListingBufferSize / sizeof(uint64_t));  // aligned as the entries need
  IO_STATUS_BLOCK io;
  for (BOOLEAN restart = TRUE;; restart = FALSE) {
    status = NtQueryDirectoryFile(folder.Get(), nullptr, nullptr, nullptr, &io, buffer_.data(), kListingBufferSize,
                                  FileFullDirectoryInformation, FALSE, nullptr, restart);
    if (status == kNoMoreFiles || (NT_SUCCESS(status) && io.Information == 0)) return ListingOutcome::Listed;
    if (!NT_SUCCESS(status)) return OutcomeOf(status);
    const char* const start = reinterpret_cast<const char*>(buffer_.data());
    for (ULONG offset = 0;;) {
      const auto& entry = *reinterpret_cast<const FILE_FULL_DIR_INFORMATION*>(start + offset);
      name_.clear();
      AppendUtf8(name_, std::u16string_view(reinterpret_cast<const char16_t*>(entry.FileName), entry.FileNameLength / 2));
      // For a reparse point the EA size field holds its tag.
      const uint32_t tag = (entry.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) ? entry.EaSize : 0;
      // A file whose data a cloud provider keeps occupies only what the disk holds of it.
      const bool onlineOnly = entry.FileAttributes & (kAttributeOffline | kAttributeRecallOnDataAccess);
      listing.Add({.Name = name_,
                   .Attributes = entry.FileAttributes,
                   .ReparseTag = tag,
                   .Size = static_cast<uint64_t>(entry.EndOfFile.QuadPart),
                   .Allocated = onlineOnly ? static_cast<uint64_t>(entry.AllocationSize.QuadPart)
                                           : kAllocatedFromClusters});
      if (entry.NextEntryOffset == 0) break;
      offset += entry.NextEntryOffset;
    }
    if (listingFillsTheBuffer_ && io.Information + kLongestDirectoryEntry <= kListingBufferSize)
      return ListingOutcome::Listed;
  }
}

std::optional<uint64_t> Win32ScanPlatform::CompressedFileSize(const std::string& filePath) {
  return CompressedSizeOf(ExtendedPath(filePath));
}

void Win32ScanPlatform::ProcessMessages() {
  if (processMessages_) processMessages_();
}

// The export reader over arbitrary bytes, given in chunks of a size the first byte
// picks; what it reads is walked as a scan, and one more folder, named by the last
// bytes, is looked up.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <variant>

#include "export/ExportListing.h"
#include "export/NcduImport.h"
#include "scan/FolderList.h"
#include "scan/ScanNotes.h"

namespace {

class BytesSource : public ExportSource {
 public:
  BytesSource(std::span<const uint8_t> bytes, size_t step) : bytes_(bytes), step_(step) {}
  std::optional<size_t> Read(std::span<char> into) override {
    const size_t count = std::min({into.size(), step_, bytes_.size() - at_});
    std::memcpy(into.data(), bytes_.data() + at_, count);
    at_ += count;
    return count;
  }

 private:
  std::span<const uint8_t> bytes_;
  size_t step_;
  size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  BytesSource source(bytes, size ? 1 + data[0] % 61 : 1);
  auto read = ReadNcduExport(source, {}, false);
  auto* index = std::get_if<ExportIndex>(&read);
  if (!index) {
    if (std::get<ExportError>(read).Offset > size) __builtin_trap();
    return 0;
  }
  ExportListing listing(*index, {});
  TFolderList root;
  root.Reset(index->RootPath());
  ScanNotes notes;
  const bool cancel = false;
  root.Scan(cancel, 4096, false, {}, listing, &notes);
  // Every folder the walk enters is one the export holds, whatever its name.
  for (const NotedPaths::Noted& noted : notes.Unreadable.Kept())
    if (noted.Detail == static_cast<uint32_t>(ListingOutcome::NotFound)) __builtin_trap();

  std::string path = index->RootPath();
  for (const uint8_t byte : bytes.last(std::min<size_t>(size, 16))) path += byte < 0x20 ? '\\' : char(byte);
  FolderListing found;
  (void)listing.ListFolder(path, found);
  return 0;
}

// Every look-up the program makes of a version block, over arbitrary bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "FakeVersionSeams.h"
#include "dialogs/FilePropertyTexts.h"
#include "dialogs/VersionInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  const VersionBlock block(bytes);
  (void)block.FixedInfo();
  (void)ReadVersionPageTexts(block);
  // The last bytes as a path (control bytes as separators) reach keys that no fixed
  // path names; bytes past the root node are not parsed, so they rarely disturb it.
  std::string path;
  for (const uint8_t byte : bytes.last(std::min<size_t>(size, 24))) path += byte < 0x20 ? '\\' : char(byte);
  (void)block.String(path);

  FakeVersionSource source;
  source.Blocks["file.dll"].assign(data, data + size);
  FakeLabel label;
  FakeReportView list;
  TvlxVersionInfoResource reader(source);
  reader.SetVersionLabel(&label);
  reader.SetVersionListView(&list);
  reader.SetFilename("file.dll");
  reader.Loaded();
  for (size_t index = 1; index < reader.Translations().size(); ++index) {
    reader.SetTranslationIndex(static_cast<int32_t>(index));
    (void)reader.GetVersionString("Web site");
    reader.BuildListView();
  }
  return 0;
}

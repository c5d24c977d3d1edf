#pragma once

#include "dialogs/FileFacts.h"

// What the file properties dialog learns of a file, from the wide Win32 calls on its
// "\\?\" path: the directory search, the compressed size, the version resource and the
// shell's type name and icon.
class Win32FileFacts : public FileFacts {
 public:
  std::optional<Record> Find(const std::string& path) override;
  std::optional<uint64_t> CompressedSize(const std::string& path) override;
  Version ReadVersion(const std::string& path) override;
  ShellInfo Shell(const std::string& path, std::optional<uint32_t> attributes) override;
};

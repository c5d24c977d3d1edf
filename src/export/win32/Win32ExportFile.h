#pragma once

#include <cstdint>
#include <string>

#include "export/ExportSource.h"
#include "win32/Handles.h"

// An export file, read from its start to its end in the import's large chunks; the
// system is told so, and reads ahead.
class Win32ExportFile : public ExportFile {
 public:
  // Opens the file at a UTF-8 path (relative or not, of any length). Throws
  // std::runtime_error naming the file and the cause when it cannot.
  explicit Win32ExportFile(const std::string& path);

  std::optional<size_t> Read(std::span<char> into) override;
  uint64_t Size() const override { return size_; }

 private:
  FileHandle file_;
  uint64_t size_ = 0;
};

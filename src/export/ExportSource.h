#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The bytes of an export file, from its start to its end, as the import reads them.
class ExportSource {
 public:
  virtual ~ExportSource() = default;
  // Puts the next bytes at the start of `into` and says how many; 0 at the end of the
  // file. Nothing when they could not be read.
  virtual std::optional<size_t> Read(std::span<char> into) = 0;
};

// An export in a file, whose size when it was opened tells how far reading has come.
class ExportFile : public ExportSource {
 public:
  virtual uint64_t Size() const = 0;
};

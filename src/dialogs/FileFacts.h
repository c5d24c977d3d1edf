#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/Picture.h"

// What the file properties dialog learns of a file from the platform. Paths are UTF-8,
// of any length.
class FileFacts {
 public:
  // The directory search's record of a file.
  struct Record {
    std::string Name;       // the long name, as stored
    std::string ShortName;  // the 8.3 name; empty when it has none
    uint32_t Attributes = 0;
    uint64_t Size = 0;
    // File times: 100-nanosecond intervals since 1601, as the file system keeps them.
    uint64_t Created = 0;
    uint64_t Modified = 0;
    uint64_t Accessed = 0;
  };
  // The file's version resource: whether it has one, and its data, empty when that
  // could not be read.
  struct Version {
    bool Present = false;
    std::vector<uint8_t> Block;
  };
  // The shell's type name and icon of a file; none of either when it gives none.
  struct ShellInfo {
    std::string TypeName;
    std::unique_ptr<TPicture> Icon;
  };

  virtual std::optional<Record> Find(const std::string& path) = 0;
  virtual std::optional<uint64_t> CompressedSize(const std::string& path) = 0;
  virtual Version ReadVersion(const std::string& path) = 0;
  // `attributes`, when given, stand for the file: the shell then goes by them and the
  // name alone, without opening the file.
  virtual ShellInfo Shell(const std::string& path, std::optional<uint32_t> attributes) = 0;

 protected:
  ~FileFacts() = default;
};

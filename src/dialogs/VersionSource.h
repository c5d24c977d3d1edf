#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the version reader asks of the platform. Paths are UTF-8, of any length.
class VersionSource {
 public:
  // The file's version resource as GetFileVersionInfoW fills it; empty when the file
  // has none or it cannot be read.
  virtual std::vector<uint8_t> ReadVersionBlock(const std::string& path) = 0;
  // The running program's full file name.
  virtual std::string ExecutablePath() = 0;
  // The full file name of the module (executable or library) that holds the reader,
  // and whether that module is the executable.
  virtual std::string ComponentModulePath() = 0;
  virtual bool ComponentInExecutable() = 0;

 protected:
  ~VersionSource() = default;
};

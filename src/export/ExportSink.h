#pragma once

#include <string_view>

// Where an export's bytes go: a file on the disk, or memory in a test.
class ExportSink {
 public:
  virtual ~ExportSink() = default;

  // Takes the next bytes; false when they could not be kept, and the export stops.
  virtual bool Write(std::string_view bytes) = 0;
};

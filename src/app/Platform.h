#pragma once

#include <memory>
#include <string>

#include "app/ShellActions.h"
#include "dialogs/FileFacts.h"
#include "dialogs/VersionSource.h"
#include "export/ExportSource.h"
#include "ntfs/VolumeDevices.h"
#include "scan/ScanPlatform.h"
#include "scan/VolumeApi.h"
#include "settings/Registry.h"
#include "support/DateTimeFormat.h"

// Everything the program reaches of the system it runs on, one seam each; Windows is
// behind it in the program, fakes in the tests.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual ScanPlatform& Scan() = 0;
  virtual VolumeApi& Volumes() = 0;
  virtual Registry& Keys() = 0;
  virtual VersionSource& Versions() = 0;
  virtual FileFacts& Files() = 0;
  virtual VolumeDevices& Devices() = 0;
  virtual ShellActions& Shell() = 0;
  // An export file to read; throws std::runtime_error naming it and the cause when it
  // cannot be opened.
  virtual std::unique_ptr<ExportFile> OpenExport(const std::string& path) = 0;
  // The local date and time.
  virtual DateTime Now() = 0;
};

#pragma once

#include "ntfs/VolumeDevices.h"

// A drive's volume opened whole (\\.\D:), as administrators and holders of the backup
// privilege may; others are refused, and the scan lists folders as before.
class Win32VolumeDevices : public VolumeDevices {
 public:
  std::unique_ptr<ByteSource> Open(char driveLetter) override;
};

#pragma once

#include <memory>

#include "ntfs/ByteSource.h"

// The volumes behind drive letters, to read whole.
class VolumeDevices {
 public:
  virtual ~VolumeDevices() = default;
  // The volume of a drive ('C'); none when this process may not read it.
  virtual std::unique_ptr<ByteSource> Open(char driveLetter) = 0;
};

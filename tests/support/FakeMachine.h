#pragma once

#include "FakeFileFacts.h"
#include "FakeFileSystem.h"
#include "FakePlatform.h"
#include "FakeVersionSeams.h"
#include "FakeVolumeApi.h"
#include "FakeVolumeDevices.h"
#include "MemoryRegistry.h"

// Every seam faked, and the program's platform made of them.
struct FakeMachine {
  FakeFileSystem fs;
  FakeVolumeApi volume;
  MemoryRegistry registry;
  FakeVersionSource versions;
  FakeFileFacts files;
  FakeVolumeDevices devices;
  FakePlatform platform{{.Scan = fs, .Volumes = volume, .Keys = registry, .Versions = versions, .Files = files,
                         .Devices = devices}};
};

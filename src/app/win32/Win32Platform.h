#pragma once

#include <functional>

#include "app/win32/FormMain.h"
#include "win32/Win32FileFacts.h"
#include "win32/Win32Registry.h"
#include "win32/Win32ScanPlatform.h"
#include "win32/Win32VersionSource.h"
#include "win32/Win32VolumeApi.h"
#include "win32/Win32VolumeDevices.h"

// Windows behind each of the main window's seams; `processMessages` runs the messages
// waiting while a scan goes on.
class TWin32Platform {
 public:
  explicit TWin32Platform(std::function<void()> processMessages) : scan_(std::move(processMessages)) {}
  TMainPlatform Seams() {
    return {.Scan = scan_, .Volumes = volumes_, .Keys = registry_, .Versions = versions_, .Files = files_,
            .Devices = devices_};
  }

 private:
  Win32ScanPlatform scan_;
  Win32VolumeApi volumes_;
  Win32Registry registry_;
  Win32VersionSource versions_;
  Win32FileFacts files_;
  Win32VolumeDevices devices_;
};
